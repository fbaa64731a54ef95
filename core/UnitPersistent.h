#pragma once
// Common base of the data classes that copy through Assign, which checks the class of its source.

class TPersistent {
public:
    virtual ~TPersistent() = default;
    // Copies the source into this object; raises the class's own message when the source is of
    // another class (or missing).
    virtual void Assign(const TPersistent *source) = 0;
};
