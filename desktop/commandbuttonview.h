#pragma once

#include <QPushButton>

// A push button that Space, Enter and Return press while it has the focus.
class CommandButtonView : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButtonView(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
