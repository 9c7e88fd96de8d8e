// A small library for the tests to load and hold.
extern "C" __declspec(dllexport) int LumvexHeldLibrary() { return 42; }
