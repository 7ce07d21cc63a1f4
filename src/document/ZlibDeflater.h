#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <memory>

namespace cellvex {

// Compresses a byte stream given in pieces into one zlib stream (RFC 1950
// header and Adler-32 trailer) at zlib's default level. Large documents are
// compressed while they are written, so their text never exists whole.
class ZlibDeflater
{
public:
    ZlibDeflater();
    ~ZlibDeflater();
    ZlibDeflater(const ZlibDeflater &) = delete;
    ZlibDeflater &operator=(const ZlibDeflater &) = delete;

    void write(QByteArrayView bytes);
    // Ends the stream and hands over everything compressed; the object is
    // spent afterwards.
    QByteArray finish();

private:
    void run(QByteArrayView input, int flush);

    struct State;
    std::unique_ptr<State> m_state;
    QByteArray m_out;
};

} // namespace cellvex
