#pragma once

#include <QPen>
#include <QWidget>

namespace cellvex {

// A thin filled line: page-break lines (type 1), the selection frame (type 2)
// and the header/footer row lines (type 3).
class LinePanel : public QWidget
{
    Q_OBJECT
public:
    explicit LinePanel(int lineType, QWidget *parent = nullptr);
    int lineType() const { return m_lineType; }
    void setLineType(int t);
    // The pen a line of this type is drawn with.
    static QPen penFor(int lineType);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_lineType;
};

} // namespace cellvex
