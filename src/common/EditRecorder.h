#pragma once
// The one funnel through which every accepted change of the model passes:
// each user-level step (an Apply, a Delete, a move, a merge, the deletion of
// an unconnected node) is announced once, before it changes anything, and
// closed once when it is done. A deletion that first removes the elements of
// a node is one step; so is a merge with its element deletions.
//
// The default recorder does nothing. An undo stack records the model before
// `begin` and after `end`; a step may end with the model unchanged (an
// action cancelled half-way changes only what it changed), which such a
// recorder can drop.
#include <QString>

class Interaction;

class EditRecorder {
public:
    virtual ~EditRecorder() = default;
    // label: the step's own log line, e.g. "New node #3, x=2, y=0, Free".
    virtual void begin(const QString & /*label*/) {}
    virtual void end() {}
};

// Brackets one step: begin on construction, end on destruction, on every
// path out. Steps opened inside a step (a merge deleting a node) belong to
// the outer one: the recorder sees only the outermost begin and end.
class EditStep {
public:
    EditStep(Interaction &user, const QString &label);
    ~EditStep();
    EditStep(const EditStep &) = delete;
    EditStep &operator=(const EditStep &) = delete;

private:
    Interaction &m_user;
};
