#pragma once
#include <QWidget>

// A screen that the main window hosts in its workspace. It is created once and reloads its data
// every time it is shown; an error while loading shows the standard error box.
class THostedScreen : public QWidget {
    Q_OBJECT
public:
    explicit THostedScreen(QWidget* parent = nullptr);

    QString EditMode;     // set by the opener where a screen has modes
    QString ReportMode;   // set by the main window on the statistics screens

protected:
    // The show event's work: reload the screen's data.
    virtual void FormShow() {}
    void showEvent(QShowEvent* event) override;
};
