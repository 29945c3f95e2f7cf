#include "thumbs/ThumbCache.h"

#include <algorithm>

TThumbCache::TThumbCache(qsizetype budgetBytes) : budget_(budgetBytes)
{
}

const TDisplayCopy* TThumbCache::Find(const std::string& path, const std::optional<TFileStamp>& stamp,
                                      QSize size) const
{
    const auto it = entries_.find(path);
    if (it == entries_.end() || !stamp || it->second.copy.stamp != stamp || it->second.size != size)
        return nullptr;
    return &it->second.copy;
}

std::vector<std::string> TThumbCache::Put(const std::string& path, QSize size, TDisplayCopy copy,
                                          const TViewDistance& distance)
{
    TEntry& entry = entries_[path];
    bytes_ += copy.image.sizeInBytes() - entry.copy.image.sizeInBytes();
    entry = TEntry{size, std::move(copy)};

    std::vector<std::string> dropped;
    if (bytes_ <= budget_)
        return dropped;
    // Trimmed a tenth below the budget at once, so a full cache is not sorted on every put.
    std::vector<std::pair<int, std::string>> byDistance;
    byDistance.reserve(entries_.size());
    for (const auto& [key, kept] : entries_)
        byDistance.emplace_back(distance(key), key);
    std::sort(byDistance.begin(), byDistance.end(), std::greater<>());
    const qsizetype target = budget_ - budget_ / 10;
    for (const auto& [far, key] : byDistance) {
        if (bytes_ <= target)
            break;
        const auto it = entries_.find(key);
        bytes_ -= it->second.copy.image.sizeInBytes();
        entries_.erase(it);
        dropped.push_back(key);
    }
    return dropped;
}
