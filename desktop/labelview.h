#pragma once

#include <QLabel>
#include <QStringList>

// Shows a label's caption: a carriage return and line feed pair as one line break, markup as
// plain text. A caption that does not fit is drawn up to the last whole line that fits, ending
// with «…», and shows whole in a tooltip; the text a screen reader reads stays whole.
class LabelView : public QLabel {
    Q_OBJECT
public:
    explicit LabelView(QWidget *parent = nullptr);

    void setCaption(const QString &caption);

    // Whether every line of the caption, wrapped at the label's width, fits the label.
    bool captionFits() const;
    // The lines as they are drawn.
    QStringList shownLines() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    struct Wrapped {
        QStringList lines;
        // How many of the first lines fit whole, in height and in width.
        qsizetype fitting = 0;
    };
    Wrapped wrap() const;
};
