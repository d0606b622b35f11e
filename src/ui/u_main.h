#pragma once

#include <QWidget>

namespace baritemp {

class GlowLabel;

// The main window.
class Tf_main : public QWidget {
public:
    Tf_main();

    GlowLabel* Label_Version;

    // Creation handler: caption and version label from the version record, the folders, the
    // start-up banner. An error inside it is shown in the application error box and skips the
    // rest; the window is still created.
    void FormCreate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    bool shown_ = false;
};

} // namespace baritemp
