// The resource library carries only compiled-in files; this unit gives the archive a member.
namespace kitbench {
int resourcesAnchor() { return 0; }
} // namespace kitbench
