#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace tavu {

// A table of fixed declared size whose records beyond what the file held are blank.
// The declared size comes from the untrusted settings file, so only the records actually
// read are stored: memory follows the file, not the number it claims.
template <class Record>
class Table {
public:
    Table() = default;
    explicit Table(std::int32_t declaredSize)
        : size_(declaredSize < 0 ? 0 : declaredSize) {}

    // The size the draws work with (settings entry), never negative.
    std::int32_t size() const { return size_; }
    // Records actually held, a prefix of the table; every later index is blank.
    const std::vector<Record>& stored() const { return stored_; }

    const Record& operator[](std::int32_t index) const {
        static const Record blank{};
        return index >= 0 && static_cast<std::size_t>(index) < stored_.size() ? stored_[index] : blank;
    }

    // Appends the next record; ignored once the declared size is reached.
    void append(Record record) {
        if (static_cast<std::int64_t>(stored_.size()) < size_)
            stored_.push_back(std::move(record));
    }
    bool full() const { return static_cast<std::int64_t>(stored_.size()) >= size_; }

private:
    std::int32_t size_ = 0;
    std::vector<Record> stored_;
};

} // namespace tavu
