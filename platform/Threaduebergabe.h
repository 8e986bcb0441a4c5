#pragma once

// Hand-overs between threads that ThreadSanitizer cannot see by itself: Qt's thread
// pool and event queue lock with futexes inside Qt's libraries, which are not
// instrumented. The giving thread calls uebergabeVor(p) once the object at p is
// ready; the taking thread calls uebergabeNach(p) before it reads the object.
// Without ThreadSanitizer both cost nothing.

#if defined(__SANITIZE_THREAD__)
#define PAARLIX_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define PAARLIX_TSAN 1
#endif
#endif

#ifdef PAARLIX_TSAN
#include <sanitizer/tsan_interface.h>
inline void uebergabeVor(const void* p) { __tsan_release(const_cast<void*>(p)); }
inline void uebergabeNach(const void* p) { __tsan_acquire(const_cast<void*>(p)); }
#else
inline void uebergabeVor(const void*) {}
inline void uebergabeNach(const void*) {}
#endif
