#pragma once

struct ShellContext;
class TLumBelka;

// Fills a window's title bar with the logged-in learner: the login, the
// gender letter (the first character of TUser.Gender; none draws no figure),
// the figure and the bar text interface text 29.
void SetupTitleBar(ShellContext& ctx, TLumBelka* belka);
