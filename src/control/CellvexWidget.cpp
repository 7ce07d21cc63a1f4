#include "control/CellvexWidget.h"

#include "automation/TypeLibrary.h"
#include "automation/TypedEventSink.h"

#include <QVBoxLayout>

namespace cellvex {

using namespace automation;

// The widget's own sink: turns the events a host most often handles into
// signals, then hands every event on to the host's sink when one is set.
class CellvexWidget::SignalSink final : public IEventSink
{
public:
    explicit SignalSink(CellvexWidget &owner) : m_signals(owner) {}

    HResult Invoke(DispId dispId, std::vector<Variant> &args) override
    {
        m_signals.Invoke(dispId, args);
        return m_next ? m_next->Invoke(dispId, args) : S_OK;
    }

    IEventSink *m_next = nullptr;

private:
    struct Signals final : TypedEventSink
    {
        explicit Signals(CellvexWidget &owner) : w(owner) {}
        void OnCellChanged(std::int32_t col, std::int32_t row, const QString &text) override
        {
            emit w.cellChanged(col, row, text);
        }
        void OnCellLClick(std::int32_t col, std::int32_t row) override { emit w.cellClicked(col, row); }
        void OnCellLDblClick(std::int32_t col, std::int32_t row) override
        {
            emit w.cellDoubleClicked(col, row);
        }
        void OnSelectChange(std::int32_t minCol, std::int32_t minRow, std::int32_t maxCol,
                            std::int32_t maxRow) override
        {
            emit w.selectionChanged(minCol, minRow, maxCol, maxRow);
        }
        void OnInputChange(std::int32_t col, std::int32_t row) override { emit w.inputStarted(col, row); }
        void OnButtonClick(std::int32_t col, std::int32_t row, const QString &name, QString *) override
        {
            emit w.buttonClicked(col, row, name);
        }
        void OnError(const QString &message) override { emit w.errorRaised(message); }

        CellvexWidget &w;
    };
    Signals m_signals;
};

CellvexWidget::CellvexWidget(QWidget *parent) : QWidget(parent), m_sink(std::make_unique<SignalSink>(*this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    // Straight to the class factory of the library this code lives in: an
    // embedding host links the library and needs no registration.
    IClassFactory *factory = nullptr;
    HResult hr =
        DllGetClassObject(TypeLibrary::kCoclassId, IID_IClassFactory, reinterpret_cast<void **>(&factory));
    if (succeeded(hr) && factory) {
        hr = factory->CreateInstance(nullptr, TypeLibrary::kInterfaceId,
                                     reinterpret_cast<void **>(&m_control));
        factory->Release();
    }
    void *view = nullptr;
    if (succeeded(hr) && m_control)
        hr = m_control->QueryInterface(IID_IQtWidget, &view);
    if (failed(hr) || !view) {
        m_error = QStringLiteral("cannot create the control (result 0x%1)")
                      .arg(static_cast<std::uint32_t>(hr), 8, 16, QLatin1Char('0'));
        if (m_control)
            m_control->Release();
        m_control = nullptr;
        return;
    }
    m_view = static_cast<QWidget *>(view);
    layout->addWidget(m_view);
    setFocusProxy(m_view);

    if (succeeded(
            m_control->QueryInterface(IID_IConnectionPoint, reinterpret_cast<void **>(&m_connection))) &&
        m_connection) {
        if (failed(m_connection->Advise(m_sink.get(), &m_cookie))) {
            m_connection = nullptr;
            m_control->Release(); // the reference QueryInterface took for the connection point
        }
    }
}

CellvexWidget::~CellvexWidget()
{
    if (!m_control)
        return;
    if (m_connection) {
        m_connection->Unadvise(m_cookie);
        m_control->Release(); // the connection point's reference
    }
    // The control object deletes its widget when no parent holds it: hand
    // the widget back so the object and its widget go away together.
    if (m_view) {
        layout()->removeWidget(m_view);
        m_view->setParent(nullptr);
    }
    m_control->Release();
}

void CellvexWidget::setEventSink(IEventSink *sink)
{
    m_sink->m_next = sink;
}

} // namespace cellvex
