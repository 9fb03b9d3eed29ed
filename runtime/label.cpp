#include "label.h"

#include <QRegularExpression>

Label::Label(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::NoFocus);
}

void Label::setCaption(const QString &caption)
{
    m_caption = caption;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QString shown = caption;
    shown.replace(lineBreak, QStringLiteral("\n"));
    setText(shown);
    updateToolTip();
}

void Label::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    updateToolTip();
}

void Label::updateToolTip()
{
    const QRect needed =
        fontMetrics().boundingRect(QRect(0, 0, width(), QWIDGETSIZE_MAX), Qt::TextWordWrap, text());
    setToolTip(needed.height() > height() || needed.width() > width() ? text() : QString());
}
