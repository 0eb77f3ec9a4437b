#include "ChoiceBox.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QWheelEvent>

namespace {

constexpr int RestDelayMs = 500;

} // namespace

ChoiceBox::ChoiceBox(QWidget *parent)
    : QComboBox(parent)
{
    // Not WheelFocus: a wheel turned over the box would give it the focus first.
    setFocusPolicy(Qt::StrongFocus);
    m_rest.setSingleShot(true);
    m_rest.setInterval(RestDelayMs);
    connect(&m_rest, &QTimer::timeout, this, &ChoiceBox::onRested);
    connect(this, qOverload<int>(&QComboBox::activated), this, &ChoiceBox::onActivated);
    // A row set by the window itself ends any rest on the row before it.
    connect(this, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] {
        if (!m_browsing)
            m_rest.stop();
    });
}

void ChoiceBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        commit();
        event->accept();
        return;
    }
    const QScopedValueRollback<bool> browsing(m_browsing, true);
    QComboBox::keyPressEvent(event);
}

void ChoiceBox::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    const QScopedValueRollback<bool> browsing(m_browsing, true);
    QComboBox::wheelEvent(event);
}

// QComboBox reports a row reached by keys or the wheel as activated too.
void ChoiceBox::onActivated()
{
    if (m_browsing)
        m_rest.start();
    else
        commit();
}

// An open popup holds the rest: a row picked there counts at once, and
// once it closes without a pick, the row rested on counts.
void ChoiceBox::onRested()
{
    if (view()->isVisible())
        m_rest.start();
    else
        commit();
}

void ChoiceBox::commit()
{
    m_rest.stop();
    if (currentIndex() >= 0)
        Q_EMIT chosen(currentIndex());
}
