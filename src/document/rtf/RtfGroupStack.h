#pragma once

#include "RtfGroupState.h"

#include <vector>

namespace virelai {

// The explicit stack of group states, so that nesting never recurses. Beyond
// the depth limit a "{" saves nothing and its "}" restores nothing: the text
// of such groups is still read, with the state of the deepest saved group.
class RtfGroupStack
{
public:
    explicit RtfGroupStack(const GroupState &outside);

    GroupState &current() { return m_states.back(); }
    const GroupState &current() const { return m_states.back(); }
    void open();
    // False for a "}" with no open group: it is ignored.
    bool close();
    // Whether close() would give back paragraph properties other than the current ones.
    bool closeRestoresOtherParagraph() const;
    int depth() const { return int(m_states.size()) - 1 + m_flattened; }

private:
    std::vector<GroupState> m_states;
    int m_flattened = 0;
};

} // namespace virelai
