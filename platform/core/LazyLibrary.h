#pragma once
// A system library opened the first time one of its functions is called, instead of by the
// dynamic loader at start. The sound, speech, barcode and zip libraries (and the dozens of
// libraries they bring with them) are not needed for the first frame; loaded at start they
// cost more processor time than drawing both windows.
//
// A library is reached through a small file of forwarding functions, one per function the
// program calls, each defined with the library's own declaration (K41_LAZY_FORWARD): the
// callers stay as they are and link the forwarders instead of the library.
#include <mutex>

class LazyLibrary {
  public:
    // `soname` as the loader knows it ("libzint.so.2.11"), from the build.
    explicit constexpr LazyLibrary(const char* soname) : m_soname(soname) {}

    // The function `name` of the library, which is opened on the first call. A library or
    // function that is missing ends the program with a message naming both: the installed
    // packages are broken, as when the loader cannot start a program.
    void* symbol(const char* name);

  private:
    const char* m_soname;
    std::once_flag m_opened;
    void* m_handle = nullptr;
};

// Defines `name` (declared by the library's header) to call the library's own `name`:
//   K41_LAZY_FORWARD(zintLibrary, struct zint_symbol*, ZBarcode_Create, (void), ())
#define K41_LAZY_FORWARD(library, ret, name, params, args)                                         \
    extern "C" ret name params {                                                                   \
        static const auto real = reinterpret_cast<decltype(&name)>(library.symbol(#name));         \
        return real args;                                                                          \
    }
