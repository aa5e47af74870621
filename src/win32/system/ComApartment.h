#pragma once

#include <objbase.h>

// COM for this thread, for as long as the object lives.
class ComApartment {
  public:
    ComApartment() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (ok_) {
            CoUninitialize();
        }
    }

  private:
    bool ok_;
};
