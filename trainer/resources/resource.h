// Identifiers of the trainer's resources, shared by the resource script and the code.
#pragma once

#define IDD_STROKE_POPUP 107
