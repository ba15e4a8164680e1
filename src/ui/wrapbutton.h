#pragma once

#include <QPushButton>

// A push button whose caption wraps onto further lines when it is too long for one,
// as the tall "Show - Hide Possible Numbers Grid" button needs.
class WrapButton : public QPushButton
{
    Q_OBJECT

public:
    explicit WrapButton(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
