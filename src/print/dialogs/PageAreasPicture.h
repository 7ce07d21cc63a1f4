#pragma once

#include <QWidget>

namespace cellvex {

// The margins tab's illustration: a sheet with the header and footer lines
// and the cell area between the four margins, so that the six lengths can be
// told apart at a glance.
class PageAreasPicture : public QWidget
{
public:
    explicit PageAreasPicture(QWidget *parent = nullptr);
    QSize sizeHint() const override { return QSize(150, 190); }

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace cellvex
