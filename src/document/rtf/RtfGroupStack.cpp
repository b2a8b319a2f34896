#include "RtfGroupStack.h"

#include "RtfLimits.h"

namespace virelai {

RtfGroupStack::RtfGroupStack(const GroupState &outside)
{
    m_states.reserve(MaxGroupDepth + 1);
    m_states.push_back(outside);
}

void RtfGroupStack::open()
{
    if (int(m_states.size()) > MaxGroupDepth) {
        ++m_flattened;
        return;
    }
    GroupState inner = m_states.back();
    m_states.push_back(std::move(inner));
}

bool RtfGroupStack::close()
{
    if (m_flattened > 0) {
        --m_flattened;
        return true;
    }
    if (m_states.size() <= 1)
        return false;
    m_states.pop_back();
    return true;
}

bool RtfGroupStack::closeRestoresOtherParagraph() const
{
    if (m_flattened > 0 || m_states.size() <= 1)
        return false;
    return m_states.back().paragraphRevision != m_states[m_states.size() - 2].paragraphRevision;
}

} // namespace virelai
