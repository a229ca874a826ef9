// Which lock guards what, in a form clang checks (-Wthread-safety, on in
// every clang build of the project: the fuzzing build among them). Other
// compilers read the marks as nothing.
#pragma once

#if defined(__clang__)
#define KOVRANT_THREAD_ANNOTATION(x) __attribute__((x))
#else
#define KOVRANT_THREAD_ANNOTATION(x)
#endif

// A class whose objects are locks.
#define KOVRANT_CAPABILITY(name) KOVRANT_THREAD_ANNOTATION(capability(name))
// A class whose objects hold a lock for their lifetime.
#define KOVRANT_SCOPED_CAPABILITY KOVRANT_THREAD_ANNOTATION(scoped_lockable)
// A member read and written only with the lock held.
#define KOVRANT_GUARDED_BY(lock) KOVRANT_THREAD_ANNOTATION(guarded_by(lock))
// A function called only with the lock held, which it holds again on return.
#define KOVRANT_REQUIRES(...) KOVRANT_THREAD_ANNOTATION(requires_capability(__VA_ARGS__))
// A function that takes, or lets go of, the lock.
#define KOVRANT_ACQUIRE(...) KOVRANT_THREAD_ANNOTATION(acquire_capability(__VA_ARGS__))
#define KOVRANT_RELEASE(...) KOVRANT_THREAD_ANNOTATION(release_capability(__VA_ARGS__))
