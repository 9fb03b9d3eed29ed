#include "labelview.h"

#include <QHelpEvent>
#include <QRegularExpression>
#include <QToolTip>

LabelView::LabelView(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::NoFocus);
}

void LabelView::setCaption(const QString &caption)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QString shown = caption;
    shown.replace(lineBreak, QStringLiteral("\n"));
    setText(shown);
}

bool LabelView::captionFits() const
{
    const QRect needed =
        fontMetrics().boundingRect(QRect(0, 0, width(), QWIDGETSIZE_MAX), Qt::TextWordWrap, text());
    return needed.height() <= height() && needed.width() <= width();
}

// Measured only when asked for: a click writes captions many times.
bool LabelView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        if (captionFits())
            QToolTip::hideText();
        else
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}
