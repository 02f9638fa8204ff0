#pragma once

#include <QString>

#include <functional>

class QWidget;

// What the shell's windows ask of the rest of the program. Main wires them
// to the help viewer, the exit question and the skin's sounds; tests record
// the calls. An unset hook does nothing.
struct ShellHooks {
    // Opens help page `page` (it may end in "#anchor") in the help viewer; the
    // viewer shows `returnTo` again when it closes.
    std::function<void(const QString& page, QWidget* returnTo)> showHelp;
    // The exit question; the program ends at once when the learner says Yes.
    std::function<void()> askExit;
    // Minimises the application.
    std::function<void()> minimize;
    // Plays a sound of the skin library (WAV_START, ...).
    std::function<void(const QString& name)> playSound;
    // Closes the dictionary window when it is open.
    std::function<void()> closeDictionary;

    void help(const QString& page, QWidget* returnTo) const { if (showHelp) showHelp(page, returnTo); }
    void exitQuestion() const { if (askExit) askExit(); }
    void minimizeApp() const { if (minimize) minimize(); }
    void sound(const QString& name) const { if (playSound) playSound(name); }
};
