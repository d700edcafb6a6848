// The inspector's subcommands; each takes the arguments after its name and
// returns the process exit status.
#pragma once

namespace morvane {

int inspectLesson(int argc, char** argv);
int inspectFont(int argc, char** argv);
int inspectStrokes(int argc, char** argv);
int inspectJudge(int argc, char** argv);

}  // namespace morvane
