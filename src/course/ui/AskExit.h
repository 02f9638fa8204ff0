#pragma once

struct ShellContext;

// The exit question every window asks before the program ends (its close
// buttons and Alt+F4): interface text 34 with the title interface text 33,
// Yes and No. Returns true when the learner answers Yes; ending the program
// is the caller's business.
bool AskExit(ShellContext& ctx);
