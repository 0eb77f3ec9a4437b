// A box whose row counts once the user commits to it: picked in the popup,
// Enter, or a row the arrow keys (or the wheel) moved to and the user then
// rested on. Each row the window sends on is a request to Microsoft, and
// many of them get the user's address blocked, so a row passed on the way
// never counts. The wheel turns only the box that has the focus: scrolling
// over the window changes no choice.
#pragma once

#include <QComboBox>
#include <QTimer>

class ChoiceBox final : public QComboBox {
    Q_OBJECT
public:
    explicit ChoiceBox(QWidget *parent = nullptr);

    // Test seam: how long the highlighted row must stay before it counts.
    void setRestDelay(int ms) { m_rest.setInterval(ms); }

Q_SIGNALS:
    // The user committed to the row `index` (it may be the one already current).
    void chosen(int index);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void onActivated();
    void onRested();
    void commit();

    QTimer m_rest;
    // Set while the keys or the wheel move the highlight.
    bool m_browsing = false;
};
