#pragma once

#include <QImage>
#include <QWidget>

namespace cellvex {

// The page image inside the preview's scroll box: shows the image drawn for
// the current page and zoom, and hands the focus to the scroll box when
// clicked so that the keys and the wheel scroll the page.
class PreviewPage : public QWidget
{
public:
    explicit PreviewPage(QWidget *focusTarget, QWidget *parent = nullptr);

    void setImage(QImage image);
    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QWidget *m_focusTarget;
    QImage m_image;
};

} // namespace cellvex
