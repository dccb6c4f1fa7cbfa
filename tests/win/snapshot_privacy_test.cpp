// The snapshot file's privacy: who may open it, and that nothing planted
// under its names is ever written through.
#include <windows.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host/forms/surface_win32.h"
#include "host/session/private_file_security_win32.h"
#include "host/session/snapshot_file_win32.h"
#include "tests/win/test_files.h"

namespace {

using Ondrel_B::SnapshotTempPath;
using velnora_test::ReadFileText;
using velnora_test::WriteFileText;

std::vector<uint8_t> Sid(WELL_KNOWN_SID_TYPE type) {
  DWORD size = SECURITY_MAX_SID_SIZE;
  std::vector<uint8_t> sid(size);
  EXPECT_TRUE(CreateWellKnownSid(type, nullptr, sid.data(), &size));
  sid.resize(size);
  return sid;
}

std::vector<uint8_t> ProcessUser() {
  HANDLE token = nullptr;
  EXPECT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::vector<uint8_t> info(size);
  EXPECT_TRUE(GetTokenInformation(token, TokenUser, info.data(), size, &size));
  CloseHandle(token);
  const PSID sid = reinterpret_cast<TOKEN_USER*>(info.data())->User.Sid;
  return std::vector<uint8_t>(static_cast<uint8_t*>(sid), static_cast<uint8_t*>(sid) + GetLengthSid(sid));
}

std::wstring SidText(PSID sid) {
  wchar_t* text = nullptr;
  if (!ConvertSidToStringSidW(sid, &text)) return L"?";
  std::wstring s = text;
  LocalFree(text);
  return s;
}

struct Grant {
  std::wstring sid;
  BYTE type;
  ACCESS_MASK mask;
};

// The DACL of a descriptor as (SID, ACE type, mask) triples; false when it has none.
bool Grants(PSECURITY_DESCRIPTOR sd, std::vector<Grant>& out, bool& isProtected) {
  BOOL present = FALSE, defaulted = FALSE;
  PACL acl = nullptr;
  if (!GetSecurityDescriptorDacl(sd, &present, &acl, &defaulted) || !present || !acl) return false;
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  GetSecurityDescriptorControl(sd, &control, &revision);
  isProtected = (control & SE_DACL_PROTECTED) != 0;
  for (DWORD i = 0; i < acl->AceCount; ++i) {
    void* ace = nullptr;
    if (!GetAce(acl, i, &ace)) return false;
    const auto* header = static_cast<ACE_HEADER*>(ace);
    // Allowed and denied entries share the layout: header, mask, SID.
    const auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
    out.push_back({SidText(const_cast<DWORD*>(&allowed->SidStart)), header->AceType, allowed->Mask});
  }
  return true;
}

// Only the user, SYSTEM and the Administrators are granted anything.
void ExpectPrivate(const std::vector<Grant>& grants) {
  const std::wstring allowed[] = {SidText(ProcessUser().data()), SidText(Sid(WinLocalSystemSid).data()),
                                  SidText(Sid(WinBuiltinAdministratorsSid).data())};
  const std::wstring never[] = {SidText(Sid(WinWorldSid).data()), SidText(Sid(WinBuiltinUsersSid).data()),
                                SidText(Sid(WinAuthenticatedUserSid).data())};
  bool userGranted = false;
  for (const Grant& g : grants) {
    if (g.type != ACCESS_ALLOWED_ACE_TYPE) continue;
    for (const std::wstring& n : never) EXPECT_NE(g.sid, n) << "granted to " << testing::PrintToString(g.sid);
    EXPECT_TRUE(g.sid == allowed[0] || g.sid == allowed[1] || g.sid == allowed[2])
        << "granted to " << testing::PrintToString(g.sid);
    if (g.sid == allowed[0] && (g.mask & FILE_READ_DATA)) userGranted = true;
  }
  EXPECT_TRUE(userGranted) << "the user can read the file";
}

class SnapshotPrivacy : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    dir = std::wstring(temp) + L"velnora_privacy";
    CreateDirectoryW(dir.c_str(), nullptr);
    path = dir + L"\\Ondrel.alo";
    Ondrel_B::DeleteSnapshotFiles(path);
    ASSERT_TRUE(image.Resize(7, 5));
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x) SetPixelV(image.dc(), x, y, RGB(x * 30, y * 40, 200));
  }
  void TearDown() override {
    Ondrel_B::DeleteSnapshotFiles(path);
    RemoveDirectoryW(SnapshotTempPath(path).c_str());
    RemoveDirectoryW(dir.c_str());
  }
  std::wstring dir, path;
  Forms::Surface image{Forms::DibRows::Bgr24BottomUp};
};

TEST_F(SnapshotPrivacy, TheBuiltDescriptorGrantsOnlyTheUserSystemAndAdministrators) {
  Ondrel_B::PrivateFileSecurity security;
  ASSERT_TRUE(security.ok());
  ASSERT_TRUE(IsValidSecurityDescriptor(security.descriptor()));
  std::vector<Grant> grants;
  bool isProtected = false;
  ASSERT_TRUE(Grants(security.descriptor(), grants, isProtected));
  EXPECT_TRUE(isProtected) << "nothing inherited from the folder";
  ASSERT_EQ(grants.size(), 3u);
  for (const Grant& g : grants) EXPECT_EQ(g.mask, static_cast<ACCESS_MASK>(FILE_ALL_ACCESS));
  ExpectPrivate(grants);
}

TEST_F(SnapshotPrivacy, TheWrittenFileKeepsThatDacl) {
  ASSERT_TRUE(Ondrel_B::WriteSnapshotFile(image, path));
  DWORD size = 0;
  GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &size);
  ASSERT_GT(size, 0u) << "no descriptor read back";
  std::vector<uint8_t> sd(size);
  ASSERT_TRUE(GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, sd.data(), size, &size));
  std::vector<Grant> grants;
  bool isProtected = false;
  ASSERT_TRUE(Grants(sd.data(), grants, isProtected)) << "the file has no DACL";
  // NOTE: Wine keeps no descriptor of its own for a file; it answers with
  // one made from the file's Unix mode, which it set from this DACL (a file
  // created without it reads back with Everyone granted read access).
  ExpectPrivate(grants);
}

// What may lie under the temporary name from an earlier run or another user:
// each is removed, never written through, and the snapshot is written new.
TEST_F(SnapshotPrivacy, WhatLiesUnderTheTemporaryNameIsRemovedNotFollowed) {
  const std::wstring temp = SnapshotTempPath(path);
  const std::wstring victim = dir + L"\\victim.txt";
  ASSERT_TRUE(WriteFileText(victim, "not yours"));
  struct Plant {
    const char* what;
    bool (*make)(const std::wstring& temp, const std::wstring& victim);
  } plants[] = {
      {"a stale temporary file",
       [](const std::wstring& t, const std::wstring&) { return WriteFileText(t, "stale"); }},
      {"an empty folder",
       [](const std::wstring& t, const std::wstring&) { return CreateDirectoryW(t.c_str(), nullptr) != 0; }},
      {"a hard link to another file",
       [](const std::wstring& t, const std::wstring& v) { return CreateHardLinkW(t.c_str(), v.c_str(), nullptr) != 0; }},
      {"a symbolic link to another file",
       [](const std::wstring& t, const std::wstring& v) { return CreateSymbolicLinkW(t.c_str(), v.c_str(), 0) != 0; }},
  };
  for (const Plant& p : plants) {
    SCOPED_TRACE(p.what);
    Ondrel_B::DeleteSnapshotFiles(path);
    if (!p.make(temp, victim)) {
      std::printf("  (cannot plant %s here: error %lu)\n", p.what, GetLastError());
      continue;
    }
    ASSERT_TRUE(Ondrel_B::WriteSnapshotFile(image, path));
    EXPECT_EQ(ReadFileText(victim), "not yours");
    EXPECT_EQ(ReadFileText(path).substr(0, 2), "BM");
    EXPECT_EQ(GetFileAttributesW(temp.c_str()), INVALID_FILE_ATTRIBUTES);
  }
  // A folder that is not empty cannot be removed: no snapshot then, and nothing of ours left.
  Ondrel_B::DeleteSnapshotFiles(path);
  ASSERT_TRUE(CreateDirectoryW(temp.c_str(), nullptr));
  const std::wstring inside = temp + L"\\keep.txt";
  ASSERT_TRUE(WriteFileText(inside, "kept"));
  EXPECT_FALSE(Ondrel_B::WriteSnapshotFile(image, path));
  EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(ReadFileText(inside), "kept");
  DeleteFileW(inside.c_str());
  RemoveDirectoryW(temp.c_str());
  DeleteFileW(victim.c_str());
}

// A link planted under the snapshot's own name is replaced by the snapshot.
TEST_F(SnapshotPrivacy, ALinkUnderTheSnapshotNameIsReplacedNotFollowed) {
  const std::wstring victim = dir + L"\\victim.txt";
  ASSERT_TRUE(WriteFileText(victim, "not yours"));
  if (!CreateHardLinkW(path.c_str(), victim.c_str(), nullptr)) GTEST_SKIP() << "no hard links here";
  ASSERT_TRUE(Ondrel_B::WriteSnapshotFile(image, path));
  EXPECT_EQ(ReadFileText(victim), "not yours");
  EXPECT_EQ(ReadFileText(path).substr(0, 2), "BM");
  DeleteFileW(victim.c_str());
}

TEST_F(SnapshotPrivacy, DeletingRemovesTheSnapshotAndItsTemporaryFile) {
  ASSERT_TRUE(Ondrel_B::WriteSnapshotFile(image, path));
  ASSERT_TRUE(WriteFileText(SnapshotTempPath(path), "left over"));
  Ondrel_B::DeleteSnapshotFiles(path);
  EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesW(SnapshotTempPath(path).c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
