#include "ExPartsLines.h"

#include <algorithm>
#include <mutex>
#include <string_view>
#include <type_traits>
#include <unordered_map>

namespace {

static_assert(std::is_trivially_copyable_v<ExStoredLine> && sizeof(ExStoredLine) == 32,
              "stored lines are hashed and compared as bytes");

using Block = std::vector<ExStoredLine>;

std::size_t HashOf(std::span<const ExStoredLine> lines) {
    return std::hash<std::string_view>{}(
        std::string_view(reinterpret_cast<const char*>(lines.data()), lines.size_bytes()));
}

// Every shared list of stored points, found by content. It holds them weakly: a list goes when
// the last part holding it goes, and its entry is swept away later.
class SharedBlocks {
public:
    // An equal list already kept, or else a copy of the lines, kept from now on.
    std::shared_ptr<Block> Find(std::span<const ExStoredLine> lines) {
        const std::size_t hash = HashOf(lines);
        const std::lock_guard lock(m_mutex);
        auto [first, last] = m_blocks.equal_range(hash);
        for (auto it = first; it != last; ++it) {
            if (std::shared_ptr<Block> block = it->second.lock();
                block && std::ranges::equal(*block, lines)) {
                return block;
            }
        }
        auto block = std::make_shared<Block>(lines.begin(), lines.end());
        m_blocks.emplace(hash, block);
        if (m_blocks.size() >= m_nSweepAt) {
            std::erase_if(m_blocks, [](const auto& entry) { return entry.second.expired(); });
            m_nSweepAt = std::max(kFirstSweep, 2 * m_blocks.size());
        }
        return block;
    }

private:
    static constexpr std::size_t kFirstSweep = 1024;

    std::mutex m_mutex;
    std::unordered_multimap<std::size_t, std::weak_ptr<Block>> m_blocks;
    std::size_t m_nSweepAt = kFirstSweep;
};

SharedBlocks& Shared() {
    static SharedBlocks blocks;
    return blocks;
}

ExStoredLine StoredOf(const CExPartsDrawLine& line) {
    return {line.shapeStart, line.shapeEnd, line.scaledStart, line.scaledEnd};
}

} // namespace

const CExPartsDrawLine CExPartsLines::operator[](std::size_t index) const {
    const ExStoredLine& stored = (*m_stored)[index];
    const ExViewLine& view = m_view[index];
    return {stored.shapeStart, stored.shapeEnd,    view.viewStart,
            view.viewEnd,      stored.scaledStart, stored.scaledEnd};
}

std::span<const ExStoredLine> CExPartsLines::Stored() const {
    if (!m_stored) {
        return {};
    }
    return *m_stored;
}

CExPartsLines::Block& CExPartsLines::OwnBlock() {
    if (!m_stored) {
        m_stored = std::make_shared<Block>();
    } else if (m_bListed || m_stored.use_count() > 1) {
        m_stored = std::make_shared<Block>(*m_stored);
    }
    m_bListed = false;
    return *m_stored;
}

std::span<ExStoredLine> CExPartsLines::MutableStored() {
    if (empty()) {
        return {};
    }
    return OwnBlock();
}

void CExPartsLines::clear() {
    m_stored.reset();
    m_bListed = false;
    m_view.clear();
}

void CExPartsLines::push_back(const CExPartsDrawLine& line) {
    OwnBlock().push_back(StoredOf(line));
    m_view.push_back({line.viewStart, line.viewEnd});
}

void CExPartsLines::Set(std::size_t index, const CExPartsDrawLine& line) {
    OwnBlock()[index] = StoredOf(line);
    m_view[index] = {line.viewStart, line.viewEnd};
}

void CExPartsLines::Assign(std::span<const CExPartsDrawLine> lines) {
    clear();
    if (lines.empty()) {
        return;
    }
    Block& block = OwnBlock();
    block.reserve(lines.size());
    m_view.reserve(lines.size());
    for (const CExPartsDrawLine& line : lines) {
        block.push_back(StoredOf(line));
        m_view.push_back({line.viewStart, line.viewEnd});
    }
}

void CExPartsLines::Append(const CExPartsLines& other) {
    if (other.empty()) {
        return;
    }
    if (empty()) {
        m_stored = other.m_stored;
        m_bListed = other.m_bListed;
        m_view = other.m_view;
        return;
    }
    Block& block = OwnBlock();
    block.insert(block.end(), other.m_stored->begin(), other.m_stored->end());
    m_view.insert(m_view.end(), other.m_view.begin(), other.m_view.end());
}

void CExPartsLines::ReplaceStored(std::span<const ExStoredLine> stored) {
    m_view.assign(stored.size(), ExViewLine{});
    if (stored.empty()) {
        m_stored.reset();
        m_bListed = false;
        return;
    }
    m_stored = Shared().Find(stored);
    m_bListed = true;
}

bool CExPartsLines::SharesStoredWith(const CExPartsLines& other) const {
    return m_stored && m_stored == other.m_stored;
}

bool operator==(const CExPartsLines& a, const CExPartsLines& b) {
    return std::ranges::equal(a.Stored(), b.Stored()) && a.m_view == b.m_view;
}
