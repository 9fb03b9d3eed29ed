#pragma once

#include <QLabel>

// Shows a label's caption: a carriage return and line feed pair as one line break, markup as
// plain text. A caption too long for the label shows whole in a tooltip.
class LabelView : public QLabel {
    Q_OBJECT
public:
    explicit LabelView(QWidget *parent = nullptr);

    void setCaption(const QString &caption);

    // Whether the caption, wrapped at the label's width, fits its height.
    bool captionFits() const;

protected:
    bool event(QEvent *event) override;
};
