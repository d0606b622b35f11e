#pragma once

#include <QString>

namespace baritemp {

// The system's modal boxes: the real ones show them, the tests' fake records and answers, so
// that no test ever opens a real modal box.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal message box with the error icon and one OK button.
    virtual void showErrorBox(const QString& caption, const QString& text) = 0;
    // The Yes/No warning dialog, Yes the default button: true for Yes.
    virtual bool askYesNo(const QString& caption, const QString& question, const QString& yes,
                          const QString& no) = 0;
};

} // namespace baritemp
