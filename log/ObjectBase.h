#pragma once

namespace halvane {

// Root of the log's in-flight records: a polymorphic base with nothing but a virtual destructor.
class CObjectBase {
public:
    CObjectBase() = default;
    CObjectBase(const CObjectBase&) = default;
    CObjectBase& operator=(const CObjectBase&) = default;
    CObjectBase(CObjectBase&&) = default;
    CObjectBase& operator=(CObjectBase&&) = default;
    virtual ~CObjectBase() = default;
};

} // namespace halvane
