// The OGG decoder under libsndfile 1.2.0 keeps a few kilobytes of its set-up when it refuses a
// damaged file (vorbis_info_init without the matching clear). That is the library's, not ours:
// tell the leak checker so that the damaged-file tests still catch our own leaks.
extern "C" const char* __lsan_default_suppressions() { return "leak:vorbis_info_init\n"; }
