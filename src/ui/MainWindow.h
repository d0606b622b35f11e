#pragma once

#include "Separators.h"
#include "Settings.h"
#include "Units.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

namespace baritemp {

class Desktop;
class GlowLabel;
class PictureButton;
class ValueField;
struct VersionTexts;
namespace mainwindow {
struct Place;
}

// The main window: fourteen pressure fields and three temperature fields in two frames, the
// titles, the version line, the maker's link, the tools icon and the background picture. Type a
// value into a field, press Enter: every other field of its group shows the converted value.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    // The caption and the version line from the executable's version record; the look from
    // `settings`, which the window follows from its first show on; `desktop`: glass, the
    // window's moves, the browser.
    MainWindow(Settings& settings, Desktop& desktop, const VersionTexts& version,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The separators the window reads and writes numbers with: the user's regional ones, read
    // when the window is made and again whenever the system announces changed settings.
    void setSeparators(const Separators& separators);
    // The user's regional separators read again (the system's settings changed).
    void readRegionalSettings();
    const Separators& separators() const { return separators_; }

    // The results of the last conversion, one line per field of its group in tab order.
    QString allResults() const;

    // The maker's web address: the link's text and what it opens.
    static QString makerAddress();

signals:
    // The settings window is wanted, modally: the tools icon was clicked, or the first start
    // shows the settings before the main window.
    void settingsRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout(const VersionTexts& version);
    QWidget* makeControl(const mainwindow::Place& place, const VersionTexts& version);
    // At the first show: the settings read (or, at the very first start, the defaults and the
    // settings window), then the look.
    void firstShow();
    // The look from the settings: glass mode, colours, glow, the interface language's texts and
    // the fields' tooltips.
    void refresh();
    void retranslate();
    void setLabelsColor(const QColor& color);
    void setFieldsColor(const QColor& color);

    // The entry cycle on the field's text, as Enter runs it: the field's group converted, or the
    // error box.
    void convert(ValueField* field);
    // A number that arrived in a field of its group in another unit: converted from the field of
    // its own unit, which takes the focus, as if it had been typed there.
    void convertIn(const Unit& unit, const QString& text);
    void showResults(const Unit& source, const std::vector<std::u16string>& texts);
    void applyAbsoluteZeroFloor(ValueField* temperature);
    void copyAllResults();
    ValueField* field(const Unit& unit) const;

    Settings& settings_;
    Desktop& desktop_;
    // The controls the window works with, as the layout made them.
    GlowLabel* pressureTitle_ = nullptr;
    GlowLabel* temperatureTitle_ = nullptr;
    GlowLabel* link_ = nullptr;
    PictureButton* tools_ = nullptr;
    Separators separators_;
    std::vector<ValueField*> fields_; // in tab order
    std::optional<FieldGroup> lastGroup_;
    bool shown_ = false;
};

} // namespace baritemp
