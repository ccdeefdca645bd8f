#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "formats/supplier_record.h"
#include "store/master_file.h"
#include "suppliers/supplier_form.h"
#include "suppliers/supplier_maintenance.h"
#include "tests/core/test_platform.h"

namespace ventro {
namespace {

using test::ShownMessage;

class SuppliersTest : public ::testing::Test {
 protected:
  // Writes suppliers.dat with one record per number (-1 for a free slot), named "S<number>",
  // and loads it.
  void Start(const std::vector<int64_t>& numbers) {
    std::string bytes;
    for (int64_t number : numbers) {
      SupplierRecord record;
      record.Set(supp::kNumber, number);
      record.Set(supp::kName, "S" + std::to_string(number));
      record.Set(supp::kTown, "LEEDS");
      bytes.append(reinterpret_cast<const char*>(record.data()), SupplierRecord::kSize);
    }
    std::ofstream(dir_.path() / "suppliers.dat", std::ios::binary) << bytes;
    ASSERT_EQ(suppliers_.Load(p_.files, dir_.path()), LoadStatus::kOk);
  }
  std::string FileBytes() const {
    std::ifstream in(dir_.path() / "suppliers.dat", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  SupplierRecord RecordAt(int64_t position) const {
    SupplierRecord record;
    std::string bytes = FileBytes();
    std::memcpy(record.data(), bytes.data() + position * 1094, 1094);
    return record;
  }
  // Queues an OK on the next dialog, setting the given fields first.
  void AnswerForm(std::map<std::string, std::string> values) {
    p_.ui.dialog_answers.push_back([this, values](Dialog& dialog) {
      last_form_ = dialog;
      for (const auto& [key, text] : values) dialog.Field(key).text = text;
      return true;
    });
  }

  test::TempDir dir_;
  test::TestPlatform p_;
  MasterFile suppliers_{MasterKind::kSupplier};
  Dialog last_form_;
};

TEST_F(SuppliersTest, ProposalIsOnePastTheRunFromOne) {
  Start({1, 2, 3, 5});
  EXPECT_EQ(ProposedSupplierNumber(suppliers_), 4);
  Start({3, 2});
  EXPECT_EQ(ProposedSupplierNumber(suppliers_), 1);
  Start({-1, -1, 1, 2});
  EXPECT_EQ(ProposedSupplierNumber(suppliers_), 3);
  Start({1, 1, 2});  // a number held twice does not end the run
  EXPECT_EQ(ProposedSupplierNumber(suppliers_), 3);
}

TEST_F(SuppliersTest, AddShowsTheProposalAndStoresTheForm) {
  Start({1, 2});
  AnswerForm({{"name", "NEW SUPPLIER"}, {"terms", "30 days"}, {"credit_limit", "about 500"}});
  AddSupplier(p_.ui, p_.files, suppliers_);
  EXPECT_EQ(last_form_.name, "816");
  EXPECT_EQ(last_form_.title, "New supplier");
  EXPECT_EQ(last_form_.Field("number").text, "3");
  EXPECT_EQ(last_form_.Field("postcode").max_length, 8u);
  EXPECT_EQ(last_form_.Field("notes").max_length, 198u);
  ASSERT_EQ(suppliers_.FindPosition(3), 2);
  SupplierRecord stored = RecordAt(2);
  EXPECT_EQ(stored.Get(supp::kName), "NEW SUPPLIER");
  EXPECT_EQ(stored.Get(supp::kCreditLimit), "about 500");
  EXPECT_EQ(stored.Get(supp::kTown), "");  // the buffer was cleared, not left from another supplier
  EXPECT_TRUE(p_.ui.messages.empty());
}

TEST_F(SuppliersTest, AddChecksTheRangeAndNumbersInUse) {
  Start({1});
  AnswerForm({{"number", "2000000000000001"}});
  AddSupplier(p_.ui, p_.files, suppliers_);
  AnswerForm({{"number", "0"}});
  AddSupplier(p_.ui, p_.files, suppliers_);
  AnswerForm({{"number", "1"}});
  AddSupplier(p_.ui, p_.files, suppliers_);
  EXPECT_EQ(p_.ui.messages, (std::vector<ShownMessage>{{"Problem", "Number outside range."},
                                                       {"Problem", "Number outside range."},
                                                       {"Problem", "Number in use."}}));
  EXPECT_EQ(FileBytes().size(), 1094u);

  AnswerForm({{"number", "2000000000000000"}});
  AddSupplier(p_.ui, p_.files, suppliers_);
  EXPECT_EQ(suppliers_.FindPosition(2'000'000'000'000'000), 1);
  AddSupplier(p_.ui, p_.files, suppliers_);  // cancelled form: nothing happens
  EXPECT_EQ(FileBytes().size(), 2u * 1094);
  EXPECT_EQ(p_.ui.messages.size(), 3u);
}

TEST_F(SuppliersTest, DeleteKeepsTheTextsAndTheNextAddReusesTheSlot) {
  Start({4, 6, 8});
  p_.ui.edit_answers = {"6"};
  DeleteSupplier(p_.ui, p_.files, suppliers_);
  EXPECT_EQ(p_.ui.messages, (std::vector<ShownMessage>{{"Delete supplier", "Supplier deleted."}}));
  SupplierRecord deleted = RecordAt(1);
  EXPECT_EQ(deleted.Get(supp::kNumber), -1);
  EXPECT_EQ(deleted.Get(supp::kName), "S6");
  EXPECT_FALSE(suppliers_.FindPosition(6));
  EXPECT_EQ(suppliers_.deleted_count(), 1);

  AnswerForm({{"number", "7"}, {"name", "SEVEN"}});
  AddSupplier(p_.ui, p_.files, suppliers_);
  EXPECT_EQ(FileBytes().size(), 3u * 1094);
  EXPECT_EQ(RecordAt(1).Get(supp::kNumber), 7);
  EXPECT_EQ(RecordAt(1).Get(supp::kName), "SEVEN");
  EXPECT_EQ(suppliers_.deleted_count(), 0);

  p_.ui.edit_answers = {"6", "0", std::nullopt};
  DeleteSupplier(p_.ui, p_.files, suppliers_);
  DeleteSupplier(p_.ui, p_.files, suppliers_);  // below 1: ends silently
  DeleteSupplier(p_.ui, p_.files, suppliers_);  // cancelled
  EXPECT_EQ(p_.ui.messages.back(), (ShownMessage{"Delete supplier", "Supplier does not exist"}));
  EXPECT_EQ(p_.ui.messages.size(), 2u);
}

TEST_F(SuppliersTest, AmendWritesInPlaceButNeverChangesTheNumber) {
  Start({4, 6});
  const std::string before = FileBytes();
  p_.ui.edit_answers = {"6"};
  AnswerForm({{"number", "5"}, {"name", "RENAMED"}});
  AmendSupplier(p_.ui, p_.files, suppliers_);
  EXPECT_EQ(last_form_.title, "Amend supplier");
  EXPECT_EQ(last_form_.Field("name").text, "S6");
  EXPECT_EQ(p_.ui.messages,
            (std::vector<ShownMessage>{{"Problem", "Not possible to change number"}}));
  EXPECT_EQ(FileBytes(), before);

  p_.ui.edit_answers = {"6"};
  AnswerForm({{"name", "RENAMED"}, {"email", std::string(60, 'e')}});
  AmendSupplier(p_.ui, p_.files, suppliers_);
  EXPECT_EQ(RecordAt(1).Get(supp::kName), "RENAMED");
  EXPECT_EQ(RecordAt(1).Get(supp::kEmail), std::string(38, 'e'));  // cut to the form maximum
  EXPECT_EQ(RecordAt(1).Get(supp::kTown), "LEEDS");

  p_.ui.edit_answers = {"9"};
  AmendSupplier(p_.ui, p_.files, suppliers_);
  EXPECT_EQ(p_.ui.messages.back(), (ShownMessage{"Amend supplier", "Supplier does not exist"}));
}

TEST_F(SuppliersTest, FindShowsTheRecordReadOnly) {
  Start({4});
  p_.ui.edit_answers = {"4", "5"};
  AnswerForm({{"name", "CHANGED"}});
  FindSupplier(p_.ui, p_.files, suppliers_);
  EXPECT_EQ(last_form_.title, "Supplier");
  EXPECT_EQ(last_form_.Field("number").text, "4");
  EXPECT_EQ(last_form_.Field("name").kind, FieldKind::kReadOnly);
  EXPECT_EQ(suppliers_.supplier().Get(supp::kName), "S4");
  FindSupplier(p_.ui, p_.files, suppliers_);
  EXPECT_EQ(p_.ui.messages, (std::vector<ShownMessage>{{"Supplier", "Does not exist"}}));
}

TEST_F(SuppliersTest, FailedWritesAreReportedAndTheIndexStays) {
  Start({4, 6});
  const std::vector<IndexEntry> entries = suppliers_.index().entries();
  p_.files.failing = {"suppliers.dat"};
  p_.ui.edit_answers = {"6", "6"};
  DeleteSupplier(p_.ui, p_.files, suppliers_);
  AnswerForm({{"name", "X"}});
  AmendSupplier(p_.ui, p_.files, suppliers_);
  AnswerForm({{"number", "9"}});
  AddSupplier(p_.ui, p_.files, suppliers_);
  const ShownMessage failure{"Problem", "Not able to write to suppliers.dat"};
  EXPECT_EQ(p_.ui.messages, (std::vector<ShownMessage>{failure, failure, failure}));
  EXPECT_EQ(suppliers_.index().entries(), entries);
  EXPECT_EQ(RecordAt(1).Get(supp::kNumber), 6);
}

}  // namespace
}  // namespace ventro
