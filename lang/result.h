#pragma once
// What a step that can go wrong gives back instead of telling the user itself:
// its value, and the problems (of type P) it met on the way, in the order it
// met them. A problem says what went wrong; the windows decide how it is shown.
#include <QList>

template <typename T, typename P> struct Result
{
    T value{};
    QList<P> problems;

    bool ok() const { return problems.isEmpty(); }
};

// A step that gives nothing but its problems.
template <typename P> struct Result<void, P>
{
    QList<P> problems;

    bool ok() const { return problems.isEmpty(); }
};
