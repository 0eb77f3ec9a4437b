// A one-line label that shortens its text with "…" to fit its width and
// carries the whole text as its tooltip.
#pragma once

#include <QLabel>

class ElidedLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    void setFullText(const QString &text);
    QString fullText() const { return m_fullText; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void elide();

    QString m_fullText;
};
