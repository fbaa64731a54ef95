#pragma once
#include <locale.h>

// The "C" number format for this thread while it lives: the libraries that write the export files
// (libxlsxwriter, dxflib) print numbers with the C library's printf, which follows the desktop's
// locale (a decimal comma on many desktops).
class TCNumericScope {
public:
    TCNumericScope()
    {
        FLocale = newlocale(LC_NUMERIC_MASK, "C", duplocale(uselocale(nullptr)));
        if (FLocale)
            FPrevious = uselocale(FLocale);
    }
    ~TCNumericScope()
    {
        if (!FLocale)
            return;
        uselocale(FPrevious);
        freelocale(FLocale);
    }
    TCNumericScope(const TCNumericScope &) = delete;
    TCNumericScope &operator=(const TCNumericScope &) = delete;

private:
    locale_t FLocale = nullptr;
    locale_t FPrevious = nullptr;
};
