#pragma once

#include <QPushButton>

// A push button that Space, Enter and Return press while it has the focus.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget *parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
