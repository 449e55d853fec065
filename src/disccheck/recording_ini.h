// The keys of setup.ini that Setup.exe's own reading code asks for, learnt by letting
// it read through a source that remembers every (section, key).
#pragma once
#include "../state/ini_source.h"
#include "../state/setup_state.h"

const size_t INI_NAME_SIZE = 64;

struct KeyRead {
    char section[INI_NAME_SIZE];
    char key[INI_NAME_SIZE];
    bool isNumber;
    char fallback[TEXT_SIZE];   // the default, a number as its decimal text
    const char* destination;    // where its latest text read went
    size_t length;              // the value's full length, also when it was cut
    bool cut;                   // longer than its destination holds
    size_t kept;                // what of it was read, when cut
};

// (section, key) pairs in the order first seen; names compare without letter case.
class KeyList {
public:
    // The entry of this key, added when new; null when the list is full.
    KeyRead* Note(const char* section, const char* key);
    void Merge(const KeyList& other);

    const KeyRead* Find(const char* section, const char* key) const;
    bool HasSection(const char* section) const;
    int Count() const { return count_; }
    const KeyRead& At(int i) const { return reads_[i]; }
    // More keys than the list holds were asked for.
    bool Overflowed() const { return overflowed_; }

private:
    static const int CAPACITY = 64;
    KeyRead reads_[CAPACITY];
    int count_ = 0;
    bool overflowed_ = false;
};

// Passes every read on to another source and remembers it.
class RecordingIni : public IniSource {
public:
    explicit RecordingIni(const IniSource& inner) : inner_(inner) {}

    void ReadText(const char* section, const char* key, const char* fallback, char* dst,
                  size_t size) const override;
    int32_t ReadInt(const char* section, const char* key, int32_t fallback) const override;

    const KeyList& Reads() const { return reads_; }
    // The key whose latest read filled this field; null when none did.
    const KeyRead* FindByDestination(const char* field) const;
    // The latest read; null before the first.
    const KeyRead* Last() const { return last_; }

private:
    const IniSource& inner_;
    mutable KeyList reads_;
    mutable const KeyRead* last_ = nullptr;
};

// Answers every text read with `answer`, or with the default when it is null; numbers
// always with the default. Lets the reading code show every key it can ask for.
class AnsweringIni : public IniSource {
public:
    explicit AnsweringIni(const char* answer) : answer_(answer) {}
    void ReadText(const char* section, const char* key, const char* fallback, char* dst,
                  size_t size) const override;
    int32_t ReadInt(const char* section, const char* key, int32_t fallback) const override;

private:
    const char* answer_;
};
