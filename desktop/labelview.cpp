#include "labelview.h"

#include "contextmenu.h"
#include "controls.h"
#include "qtext.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QTextLayout>
#include <QToolTip>

namespace {

const QString Ellipsis = QStringLiteral("…");
const QString CopyText = QStringLiteral("Копировать");
const QString SelectAllText = QStringLiteral("Выделить все");

// Drops trailing words until the line and the ellipsis fit the width, so that no word, and no
// number, shows in part.
QString shortened(QString line, const QFontMetrics &metrics, int width)
{
    for (;;) {
        while (line.endsWith(u' '))
            line.chop(1);
        if (line.isEmpty() || metrics.horizontalAdvance(line + Ellipsis) <= width)
            return line + Ellipsis;
        const qsizetype blank = line.lastIndexOf(u' ');
        line.truncate(blank < 0 ? 0 : blank);
    }
}

} // namespace

LabelView::LabelView(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Focus by a click, for Ctrl+C, but none from Tab: a label is no stop on the way through the
    // window.
    setFocusPolicy(Qt::ClickFocus);
}

void LabelView::setCaption(std::u16string_view caption)
{
    setText(toQString(caption).replace(toQString(Label::LineBreak), QStringLiteral("\n")));
}

QString LabelView::copiedText() const
{
    // With nothing selected a copy takes the whole caption, as a message box's does; a shortened
    // caption is not the label's own text where it is drawn, so it too is copied whole.
    if (!hasSelectedText() || !captionFits())
        return text();
    // The label's document ends its paragraphs with U+2029.
    return selectedText().replace(QChar::ParagraphSeparator, u'\n');
}

void LabelView::copy() const
{
    const QString copied = copiedText();
    if (!copied.isEmpty())
        QGuiApplication::clipboard()->setText(copied);
}

QMenu *LabelView::createContextMenu()
{
    auto *menu = new QMenu(this);
    QAction *copying = menu->addAction(CopyText, this, &LabelView::copy);
    copying->setShortcut(QKeySequence::Copy);
    copying->setEnabled(!copiedText().isEmpty());
    QAction *selectingAll =
        menu->addAction(SelectAllText, this, [this] { setSelection(0, int(text().size())); });
    selectingAll->setShortcut(QKeySequence::SelectAll);
    selectingAll->setEnabled(selectedText().size() < text().size());
    return menu;
}

void LabelView::contextMenuEvent(QContextMenuEvent *event)
{
    popUpContextMenu(createContextMenu(), *event);
}

void LabelView::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Copy) {
        copy();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

LabelView::Wrapped LabelView::wrap() const
{
    const QRect area = contentsRect();
    QString text = this->text();
    text.replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(text, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);

    Wrapped wrapped;
    bool fitting = true;
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        y += line.height();
        QString piece = text.mid(line.textStart(), line.textLength());
        piece.remove(QChar::LineSeparator);
        wrapped.lines.append(piece);
        fitting = fitting && y <= area.height() + 0.5 && line.naturalTextWidth() <= area.width();
        if (fitting)
            ++wrapped.fitting;
    }
    layout.endLayout();
    return wrapped;
}

bool LabelView::captionFits() const
{
    const Wrapped wrapped = wrap();
    return wrapped.fitting == wrapped.lines.size();
}

QStringList LabelView::shownLines() const
{
    Wrapped wrapped = wrap();
    if (wrapped.fitting == wrapped.lines.size())
        return wrapped.lines;
    const int lineHeight = fontMetrics().lineSpacing();
    const bool roomForOne = contentsRect().height() >= lineHeight;
    // At least one line shows, if only a word and the ellipsis of an overlong first one.
    QStringList shown = wrapped.lines.mid(0, std::max<qsizetype>(wrapped.fitting, roomForOne));
    if (!shown.isEmpty())
        shown.last() = shortened(shown.last(), fontMetrics(), contentsRect().width());
    return shown;
}

void LabelView::paintEvent(QPaintEvent *event)
{
    if (captionFits()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    const QFontMetrics metrics = fontMetrics();
    int y = area.top();
    for (const QString &line : shownLines()) {
        painter.drawText(area.left(), y + metrics.ascent(), line);
        y += metrics.lineSpacing();
    }
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
