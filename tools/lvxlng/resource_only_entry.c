/* The entry point of the resource-only language library: it has no code to
   run, so every notification is simply accepted. */
int __attribute__((stdcall)) ResourceOnlyEntry(void* module, unsigned long reason, void* reserved) {
    (void)module;
    (void)reason;
    (void)reserved;
    return 1;
}
