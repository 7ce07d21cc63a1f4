#pragma once

#include <utility>

namespace cellvex::vbs {

// Intrusive reference count for arrays and objects. The last release does not
// destroy at once when a destruction is already running: the object waits in
// a queue that the outermost release drains, so a long chain of objects
// (a linked list built by a script) is torn down iteratively instead of by a
// recursion as deep as the chain.
class RefCounted
{
public:
    RefCounted() = default;
    RefCounted(const RefCounted &) = delete;
    RefCounted &operator=(const RefCounted &) = delete;
    virtual ~RefCounted() = default;

    void addRef() noexcept { ++m_refs; }
    void release() noexcept;
    int refCount() const noexcept { return m_refs; }

protected:
    // Runs when no reference is left; the default deletes. An override may
    // run script code (Class_Terminate) and must end by deleting this unless
    // the code took a new reference.
    virtual void lastReleased() noexcept { delete this; }
    // Gives back a reference taken in lastReleased() without releasing again.
    void dropRef() noexcept { --m_refs; }

private:
    int m_refs = 0;
};

template <class T> class Ref
{
public:
    Ref() = default;
    Ref(T *p) : m_p(p) // NOLINT: implicit on purpose, as for a raw pointer
    {
        if (m_p) {
            m_p->addRef();
        }
    }
    Ref(const Ref &o) : Ref(o.m_p) {}
    Ref(Ref &&o) noexcept : m_p(std::exchange(o.m_p, nullptr)) {}
    template <class U> Ref(const Ref<U> &o) : Ref(o.get()) {}
    ~Ref()
    {
        if (m_p) {
            m_p->release();
        }
    }
    Ref &operator=(const Ref &o)
    {
        Ref(o).swap(*this);
        return *this;
    }
    Ref &operator=(Ref &&o) noexcept
    {
        Ref(std::move(o)).swap(*this);
        return *this;
    }
    void swap(Ref &o) noexcept { std::swap(m_p, o.m_p); }
    T *get() const { return m_p; }
    T *operator->() const { return m_p; }
    T &operator*() const { return *m_p; }
    explicit operator bool() const { return m_p != nullptr; }

private:
    T *m_p = nullptr;
};

} // namespace cellvex::vbs
