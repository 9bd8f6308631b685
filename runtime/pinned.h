// A base for objects that must stay where they were built.
#pragma once

namespace ringcalc::runtime {

/// A base for objects that others point into (the toolkit's connections, a signal handler): they can be
/// neither copied nor moved, so they stay where they were built.
class Pinned {
public:
    Pinned(const Pinned&) = delete;
    Pinned& operator=(const Pinned&) = delete;
    Pinned(Pinned&&) = delete;
    Pinned& operator=(Pinned&&) = delete;

protected:
    Pinned() = default;
    ~Pinned() = default;
};

} // namespace ringcalc::runtime
