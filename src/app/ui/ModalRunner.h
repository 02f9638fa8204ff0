#pragma once

class QDialog;

// Runs a dialog modally and returns when it has closed. The program's runner
// calls exec(); a test passes a runner that shows the dialog, drives it with
// mouse and key events and returns, so no test waits in a nested event loop.
class IModalRunner {
public:
    virtual ~IModalRunner() = default;
    virtual void run(QDialog& dialog) = 0;
};

class ExecModalRunner final : public IModalRunner {
public:
    void run(QDialog& dialog) override;
};
