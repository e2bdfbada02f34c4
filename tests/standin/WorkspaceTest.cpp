// Projects and the workspace: the project file, opening, adding, saving, messages.
#include <gtest/gtest.h>

#include <filesystem>

#include "client/Project.h"
#include "standin/ClientTestSupport.h"
#include "support/TempFolder.h"

namespace {

TEST(Project, TheFileListsDocumentsRelativeToTheProjectFolder) {
  TTempFolder folder;
  std::filesystem::create_directory(folder.Path("Imported demo.dsn"));
  const std::string projectPath = folder.Path("Imported demo.dsn/demo.PrjPcb");
  standin::TProject project(projectPath);
  EXPECT_EQ(project.AddDocument(folder.Path("Imported demo.dsn/demo.pcbdoc").c_str()), host::kOk);
  EXPECT_EQ(project.AddDocument(folder.Path("Imported demo.dsn/./demo.pcbdoc").c_str()), host::kOk);
  EXPECT_EQ(project.AddDocument(folder.Path("shared/lib.pcbdoc").c_str()), host::kOk);
  EXPECT_EQ(project.AddDocument(""), host::kFail);
  EXPECT_TRUE(project.Modified());
  std::string error;
  ASSERT_TRUE(project.Save(&error)) << error;
  EXPECT_FALSE(project.Modified());
  EXPECT_EQ(TTempFolder::Read(projectPath), "demo.pcbdoc\r\n../shared/lib.pcbdoc\r\n");

  const auto reopened = standin::TProject::Open(projectPath, &error);
  ASSERT_NE(reopened, nullptr) << error;
  EXPECT_EQ(reopened->Documents(),
            (std::vector<std::string>{folder.Path("Imported demo.dsn/demo.pcbdoc"),
                                      folder.Path("shared/lib.pcbdoc")}));
  char path[4096] = {};
  EXPECT_EQ(reopened->DocumentPathAt(1, path, sizeof(path)), host::kOk);
  EXPECT_EQ(path, folder.Path("shared/lib.pcbdoc"));
  EXPECT_EQ(reopened->DocumentPathAt(2, path, sizeof(path)), host::kFail);
  EXPECT_EQ(reopened->DocumentPathAt(-1, path, sizeof(path)), host::kFail);
}

TEST(Project, ReadingIgnoresBlankLinesAndAcceptsAbsolutePaths) {
  TTempFolder folder;
  const std::string projectPath =
      folder.Write("p.PrjPcb", "\r\n  a.pcbdoc  \n\n" + folder.Path("elsewhere/b.pcbdoc") + "\r\n");
  std::string error;
  const auto project = standin::TProject::Open(projectPath, &error);
  ASSERT_NE(project, nullptr) << error;
  EXPECT_EQ(project->Documents(),
            (std::vector<std::string>{folder.Path("a.pcbdoc"), folder.Path("elsewhere/b.pcbdoc")}));
  EXPECT_EQ(standin::TProject::Open(folder.Path("none.PrjPcb"), &error), nullptr);
}

TEST(Workspace, OpeningAProjectOpensItsDocumentAndSaveObjectWritesIt) {
  TTempFolder folder;
  TClientUnderTest host;
  const std::string projectPath = folder.Write("demo.PrjPcb", "");
  host::IWorkspace* workspace = nullptr;
  ASSERT_EQ(host.Client->GetWorkspace(&workspace), host::kOk);
  host::IProject* project = nullptr;
  EXPECT_EQ(workspace->FindProject(projectPath.c_str(), &project), host::kFail);
  EXPECT_EQ(workspace->OpenProject(folder.Path("none.PrjPcb").c_str(), &project), host::kFail);
  ASSERT_EQ(workspace->OpenProject(projectPath.c_str(), &project), host::kOk);
  host::IProject* found = nullptr;
  ASSERT_EQ(workspace->FindProject(projectPath.c_str(), &found), host::kOk);
  EXPECT_EQ(found, project);

  host::IServerDocument* document = nullptr;
  ASSERT_EQ(host.Client->GetDocumentByPath(projectPath.c_str(), &document), host::kOk);
  char kind[32] = {};
  document->GetKind(kind, sizeof(kind));
  EXPECT_STREQ(kind, "PcbProject");

  project->AddDocument(folder.Path("demo.pcbdoc").c_str());
  document->SetModified(true);
  EXPECT_EQ(host.Run("WorkspaceManager:SaveObject",
                     "SaveMode=Standard|ObjectKind=Project|FileFormat= ", 1024)
                .first,
            host::kOk);
  EXPECT_EQ(TTempFolder::Read(projectPath), "demo.pcbdoc\r\n");
  bool modified = true;
  document->GetModified(&modified);
  EXPECT_FALSE(modified);
}

TEST(Workspace, MessagesGoToTheTerminal) {
  TClientUnderTest host;
  host::IWorkspace* workspace = nullptr;
  ASSERT_EQ(host.Client->GetWorkspace(&workspace), host::kOk);
  EXPECT_EQ(workspace->AddMessage("[Locked File]",
                                  "demo.rpt is used by ann on bench. You will not be able to "
                                  "save your changes.",
                                  "Tarvex Designer", "/b/demo.rpt", "WorkspaceManager:OpenObject",
                                  "FileName=/b/demo.rpt"),
            host::kOk);
  EXPECT_EQ(workspace->AddMessage(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), host::kOk);
  EXPECT_EQ(host.Terminal.Err,
            "[Locked File] demo.rpt is used by ann on bench. You will not be able to save your "
            "changes.\n\n");
}

}  // namespace
