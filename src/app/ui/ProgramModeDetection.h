#pragma once

struct ShellContext;

// Decides which course the installation holds from the names of its exercise
// files (AppDir\Dane\*.xml) and sets ProgramMode and HelpDir. When the names
// do not decide it, the learner is asked (Yes: Varda, mode 2; No: Selko,
// mode 1). The hourglass shows while the folder is read. Returns the mode.
int DetectProgramMode(ShellContext& ctx);
