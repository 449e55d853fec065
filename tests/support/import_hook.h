// Replaces, while the object lives, one function that this program imports: every call
// that its statically linked code (the product's glue among it) makes through the
// import table goes to the replacement instead. The product knows nothing of it.
#pragma once

namespace support {

class ImportHook {
public:
    ImportHook(const char* dll, const char* function, void* replacement);
    ~ImportHook();
    ImportHook(const ImportHook&) = delete;
    ImportHook& operator=(const ImportHook&) = delete;

    // False when this program does not import the function by name.
    bool Installed() const { return slot_ != nullptr; }
    // The function the import table held before.
    void* Original() const { return original_; }

private:
    void Set(void* function);
    void** slot_ = nullptr;
    void* original_ = nullptr;
};

}  // namespace support
