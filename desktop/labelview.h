#pragma once

#include <QLabel>
#include <QStringList>
#include <string_view>

class QMenu;

// Shows a label's caption: the caption's line break (Label::LineBreak) as one line break, markup
// as plain text. A caption that does not fit is drawn up to the last whole line that fits, ending
// with «…», and shows whole in a tooltip; the text a screen reader reads stays whole. Its text can
// be selected with the mouse and copied with Ctrl+C or from its context menu; a click gives it the
// focus, Tab does not.
class LabelView : public QLabel {
    Q_OBJECT
public:
    explicit LabelView(QWidget *parent = nullptr);

    void setCaption(std::u16string_view caption);

    // What a copy puts on the clipboard, its line breaks as \n: the selection, or the whole caption
    // when nothing is selected or when it is shortened (what is drawn is not the label's own text
    // then); empty when the caption is.
    QString copiedText() const;
    void copy() const;
    // The context menu a right click opens.
    QMenu *createContextMenu();

    // Whether every line of the caption, wrapped at the label's width, fits the label.
    bool captionFits() const;
    // The lines as they are drawn.
    QStringList shownLines() const;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    struct Wrapped {
        QStringList lines;
        // How many of the first lines fit whole, in height and in width.
        qsizetype fitting = 0;
    };
    Wrapped wrap() const;
};
