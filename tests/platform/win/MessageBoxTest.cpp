// Message boxes: every box reaches the installed answerer; the scripted answerer answers from
// its script or with the default button, and refuses answers the box does not offer.
#include "CScopedMessageBoxAnswerer.h"
#include "MessageBoxService.h"
#include "WinError.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(MessageBox, UnscriptedBoxesTakeTheirDefaultButton) {
  struct Case {
    UINT type;
    int answer;
  };
  const Case cases[] = {
      {MB_OK | MB_ICONINFORMATION, IDOK},
      {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
      {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, IDIGNORE},
      {MB_YESNOCANCEL | MB_ICONQUESTION, IDYES},
      {MB_YESNOCANCEL | MB_DEFBUTTON2, IDNO},
      {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, IDNO},
      {MB_YESNO | MB_DEFBUTTON3, IDYES},  // past the set: the first button
      {MB_RETRYCANCEL | MB_ICONEXCLAMATION, IDRETRY},
  };
  CScopedMessageBoxAnswerer script;
  script->SetLog(nullptr);
  for (const Case& c : cases)
    EXPECT_EQ(MessageBox(nullptr, L"text", L"caption", c.type), c.answer) << std::hex << c.type;
}

TEST(MessageBox, ScriptAnswersByCaptionThenInOrder) {
  CScopedMessageBoxAnswerer script;
  script->SetLog(nullptr);
  ASSERT_TRUE(script->AddScript(L"保存文件=no"));
  ASSERT_TRUE(script->AddScript(L"a=b=Cancel"));  // the caption holds '='
  ASSERT_TRUE(script->AddScript(L"Retry"));
  ASSERT_TRUE(script->QueueAnswer(L"7"));
  EXPECT_FALSE(script->AddScript(L"Maybe"));
  EXPECT_FALSE(script->AddScript(L"x=99"));

  HWND owner = reinterpret_cast<HWND>(0x1234);
  EXPECT_EQ(MessageBox(owner, L"将文件改动保存到无标题？", L"保存文件", MB_YESNOCANCEL), IDNO);
  EXPECT_EQ(MessageBox(nullptr, L"q", L"a=b", MB_OKCANCEL), IDCANCEL);
  EXPECT_EQ(MessageBox(nullptr, L"q", L"other", MB_RETRYCANCEL), IDRETRY);
  EXPECT_EQ(MessageBox(nullptr, L"q", L"保存文件", MB_YESNO), IDNO);  // caption again
  EXPECT_EQ(MessageBox(nullptr, L"q", L"other", MB_YESNO), IDNO);
  EXPECT_EQ(script->PendingAnswers(), 0u);
  EXPECT_EQ(MessageBox(nullptr, L"q", L"other", MB_YESNO), IDYES);

  const auto boxes = script->Boxes();
  ASSERT_EQ(boxes.size(), 6u);
  EXPECT_EQ(boxes[0].owner, owner);
  EXPECT_EQ(boxes[0].caption, L"保存文件");
  EXPECT_EQ(boxes[0].text, L"将文件改动保存到无标题？");
  EXPECT_EQ(boxes[0].type, MB_YESNOCANCEL);
  EXPECT_EQ(boxes[0].answer, IDNO);
}

TEST(MessageBox, AnswerTheBoxDoesNotOfferIsRefused) {
  CScopedMessageBoxAnswerer script;
  std::ostringstream log;
  script->SetLog(&log);
  script->QueueAnswer(IDYES);
  script->SetAnswerForCaption(L"数据错误", IDCANCEL);

  EXPECT_EQ(MessageBox(nullptr, L"first", L"notice", MB_OK), IDOK);
  EXPECT_EQ(MessageBox(nullptr, L"second", L"notice", MB_YESNO), IDYES);  // Yes was used up
  EXPECT_EQ(MessageBox(nullptr, L"t", L"数据错误", MB_YESNO | MB_DEFBUTTON2), IDNO);
  EXPECT_EQ(log.str(),
            "[notice] first\n"
            "message box [notice]: scripted answer Yes is not one of its buttons, answered OK\n"
            "[notice] second\n"
            "[数据错误] t\n"
            "message box [数据错误]: scripted answer Cancel is not one of its buttons, "
            "answered No\n");
  EXPECT_EQ(script->Boxes()[0].answer, IDOK);
}

class FixedAnswerer : public CMessageBoxAnswerer {
public:
  explicit FixedAnswerer(int answer) : m_answer(answer) {}
  int Answer(const MessageBoxRequest& request) override {
    last = request;
    return m_answer;
  }
  MessageBoxRequest last;

private:
  int m_answer;
};

TEST(MessageBox, InstalledAnswererSeesTheDecodedRequest) {
  FixedAnswerer dialog(IDNO);
  CMessageBoxAnswerer* previous = SetMessageBoxAnswerer(&dialog);
  EXPECT_EQ(MessageBox(nullptr, L"无法撤销", nullptr,
                       MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3),
            IDNO);
  EXPECT_EQ(dialog.last.caption, L"Error");
  EXPECT_EQ(dialog.last.buttons, (std::vector<int>{IDYES, IDNO, IDCANCEL}));
  EXPECT_EQ(dialog.last.icon, MB_ICONQUESTION);
  EXPECT_EQ(dialog.last.defaultButton, IDCANCEL);

  // A faulty answerer cannot hand the caller a button the box lacks.
  testing::internal::CaptureStderr();
  EXPECT_EQ(MessageBox(nullptr, L"x", L"c", MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("not one of its buttons"),
            std::string::npos);
  EXPECT_EQ(SetMessageBoxAnswerer(previous), &dialog);
}

TEST(MessageBox, GuardsNestAndRestore) {
  CMessageBoxAnswerer* outer = &GetMessageBoxAnswerer();
  {
    CScopedMessageBoxAnswerer first;
    first->SetLog(nullptr);
    {
      CScopedMessageBoxAnswerer second;
      second->SetLog(nullptr);
      EXPECT_EQ(&GetMessageBoxAnswerer(), &second.Script());
      MessageBox(nullptr, L"t", L"c", MB_OK);
      EXPECT_EQ(second->Boxes().size(), 1u);
    }
    EXPECT_EQ(&GetMessageBoxAnswerer(), &first.Script());
    EXPECT_TRUE(first->Boxes().empty());
  }
  EXPECT_EQ(&GetMessageBoxAnswerer(), outer);
}

TEST(MessageBox, BuiltInAnswererLogsAndAnswersTheDefault) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(MessageBox(nullptr, L"请先保存当前文档数据或打开一个新文档数据再绘图！", L"数据未存",
                       MB_OK | MB_ICONINFORMATION),
            IDOK);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "[数据未存] 请先保存当前文档数据或打开一个新文档数据再绘图！\n");
}

TEST(MessageBox, UnknownButtonSetFails) {
  CScopedMessageBoxAnswerer script;
  script->SetLog(nullptr);
  SetLastError(0);
  EXPECT_EQ(MessageBox(nullptr, L"t", L"c", 0x0000000FU), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MSGBOX_STYLE));
  EXPECT_TRUE(script->Boxes().empty());
}

}  // namespace
