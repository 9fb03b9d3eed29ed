#pragma once

#include <QLabel>

// A caption on the window. The caption reads back exactly what was written; a carriage return
// and line feed pair in it shows as one line break. A caption too long for the label shows whole
// in a tooltip.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // Whether the caption, wrapped at the label's width, fits its height.
    bool captionFits() const;

protected:
    bool event(QEvent *event) override;

private:
    QString m_caption;
};
