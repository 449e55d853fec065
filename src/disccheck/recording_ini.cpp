#include "recording_ini.h"
#include "../text/bounded_text.h"

KeyRead* KeyList::Note(const char* section, const char* key) {
    for (int i = 0; i < count_; ++i) {
        if (TextEqualsIgnoreCase(reads_[i].section, section) && TextEqualsIgnoreCase(reads_[i].key, key)) {
            return &reads_[i];
        }
    }
    KeyRead& added = reads_[count_ < CAPACITY ? count_ : CAPACITY - 1];
    if (count_ == CAPACITY || !CopyText(added.section, section) || !CopyText(added.key, key)) {
        overflowed_ = true;
        return nullptr;
    }
    added.isNumber = false;
    added.fallback[0] = '\0';
    added.destination = nullptr;
    added.length = 0;
    added.cut = false;
    added.kept = 0;
    ++count_;
    return &added;
}

void KeyList::Merge(const KeyList& other) {
    overflowed_ = overflowed_ || other.overflowed_;
    for (int i = 0; i < other.count_; ++i) {
        const KeyRead& from = other.reads_[i];
        KeyRead* into = Note(from.section, from.key);
        if (!into) continue;
        into->isNumber = from.isNumber;
        CopyText(into->fallback, from.fallback);
        into->destination = nullptr;   // a field of another state
        if (from.length > into->length) into->length = from.length;
        if (from.cut) {
            into->cut = true;
            into->kept = from.kept;
        }
    }
}

const KeyRead* KeyList::Find(const char* section, const char* key) const {
    for (int i = 0; i < count_; ++i) {
        if (TextEqualsIgnoreCase(reads_[i].section, section) && TextEqualsIgnoreCase(reads_[i].key, key)) {
            return &reads_[i];
        }
    }
    return nullptr;
}

bool KeyList::HasSection(const char* section) const {
    for (int i = 0; i < count_; ++i) {
        if (TextEqualsIgnoreCase(reads_[i].section, section)) return true;
    }
    return false;
}

void RecordingIni::ReadText(const char* section, const char* key, const char* fallback, char* dst,
                            size_t size) const {
    inner_.ReadText(section, key, fallback, dst, size);
    KeyRead* read = reads_.Note(section, key);
    if (!read) return;
    last_ = read;
    read->isNumber = false;
    CopyText(read->fallback, fallback);
    read->destination = dst;
    read->length = TextLength(dst);
    read->cut = false;
    if (size > 1 && read->length == size - 1) {
        // A value that filled its field may have been cut: read it again with room to spare.
        char longer[1024];
        inner_.ReadText(section, key, fallback, longer, sizeof longer);
        size_t full = TextLength(longer);
        if (full > read->length) {
            read->kept = read->length;
            read->length = full;
            read->cut = true;
        }
    }
}

int32_t RecordingIni::ReadInt(const char* section, const char* key, int32_t fallback) const {
    int32_t value = inner_.ReadInt(section, key, fallback);
    KeyRead* read = reads_.Note(section, key);
    if (!read) return value;
    last_ = read;
    read->isNumber = true;
    ComposeInto(read->fallback, "%d", static_cast<int>(fallback));
    read->destination = nullptr;
    return value;
}

const KeyRead* RecordingIni::FindByDestination(const char* field) const {
    for (int i = 0; i < reads_.Count(); ++i) {
        if (reads_.At(i).destination == field) return &reads_.At(i);
    }
    return nullptr;
}

void AnsweringIni::ReadText(const char*, const char*, const char* fallback, char* dst, size_t size) const {
    CopyText(dst, size, answer_ ? answer_ : fallback);
}

int32_t AnsweringIni::ReadInt(const char*, const char*, int32_t fallback) const { return fallback; }
