#include "ConnectionBudget.h"

#include <algorithm>

namespace {

constexpr int MostQuietPiecesNeeded = 32;
constexpr int MostBackoffDoublings = 4;

} // namespace

ConnectionBudget::ConnectionBudget(int ceiling)
    : m_ceiling(std::max(ceiling, 1))
    , m_allowed(m_ceiling)
{
}

void ConnectionBudget::limitToOne()
{
    m_ceiling = m_allowed = 1;
}

void ConnectionBudget::refused(int busy)
{
    m_allowed = std::clamp(busy, 1, m_allowed);
    m_quietPieces = 0;
    m_quietPiecesNeeded = std::min(m_quietPiecesNeeded * 2, MostQuietPiecesNeeded);
}

void ConnectionBudget::pieceDone()
{
    if (m_allowed >= m_ceiling || ++m_quietPieces < m_quietPiecesNeeded)
        return;
    ++m_allowed;
    m_quietPieces = 0;
}

void ConnectionBudget::broke(qint64 nowMs, bool broughtBytes)
{
    m_breaks = broughtBytes ? 1 : m_breaks + 1;
    m_retryAtMs = nowMs + (FirstBackoffMs << std::min(m_breaks - 1, MostBackoffDoublings));
}

void ConnectionBudget::brought()
{
    m_breaks = 0;
}
