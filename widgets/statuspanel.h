#pragma once
// A status-bar panel: a sunken label that, when its text is wider than the
// panel, ends it with "…" and shows the whole text as its tooltip. The text
// itself (and what a screen reader reads) stays whole.
#include <QLabel>

class StatusPanel : public QLabel
{
    Q_OBJECT
public:
    explicit StatusPanel(QWidget* parent = nullptr);

    // Whether the panel is too narrow for its text.
    bool isCut() const;
    // The width the panel gives its text, in pixels.
    int textRoom() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
