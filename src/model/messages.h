#pragma once
// Every message box text of the program with its icon, in one place. The
// caption is always "Pennywhist"; a question is answered Yes or No.

enum class MessageIcon { None, Stop, Exclamation, Question, Information };

struct Message {
    const char* text;
    MessageIcon icon;
    bool asksYesNo = false;  // otherwise the box has only OK
};

// Failed operations.
inline constexpr Message kErrorOpeningFile{"Error opening file.", MessageIcon::Stop};
inline constexpr Message kErrorSavingFile{"Error saving file.", MessageIcon::Stop};
inline constexpr Message kErrorAddingNoneCategory{"Error adding \"None\" category.", MessageIcon::Stop};
inline constexpr Message kErrorAddingAccount{"Error adding account.", MessageIcon::Stop};
inline constexpr Message kErrorAddingCategory{"Error adding category.", MessageIcon::Stop};
inline constexpr Message kErrorAddingBillDeposit{"Error adding bill/deposit.", MessageIcon::Stop};
inline constexpr Message kErrorAddingTransaction{"Error adding transaction.", MessageIcon::Stop};
inline constexpr Message kErrorUpdatingTransactionList{"Error updating transaction list.", MessageIcon::Stop};
inline constexpr Message kErrorStartingCalculator{"Error starting calculator.", MessageIcon::Stop};

// Start-up; the program goes on without what failed, or stops after the
// common controls, the window or the list.
inline constexpr Message kErrorInitializingControls{"Error initializing common controls.", MessageIcon::Stop};
inline constexpr Message kErrorLoadingAccelerators{"Error loading accelerator table.", MessageIcon::Stop};
inline constexpr Message kErrorCreatingWindow{"Error creating window.", MessageIcon::Stop};
inline constexpr Message kErrorCreatingToolbar{"Error creating toolbar.", MessageIcon::Stop};
inline constexpr Message kErrorCreatingList{"Error creating listview.", MessageIcon::Stop};
inline constexpr Message kErrorCreatingStats{"Error creating stats dialog.", MessageIcon::Stop};
inline constexpr Message kErrorCreatingPopup{"Error creating popup menu.", MessageIcon::Stop};

// Refused input and unmet preconditions.
inline constexpr Message kNoTransactionSelected{"No transaction is selected.", MessageIcon::Exclamation};
inline constexpr Message kNoAccountSelected{"No account is selected.", MessageIcon::Exclamation};
inline constexpr Message kNoCategorySelected{"No category is selected.", MessageIcon::Exclamation};
inline constexpr Message kNoBillDepositSelected{"No bill/deposit is selected.", MessageIcon::Exclamation};
inline constexpr Message kNoAccountForBills{"You must create an account before you can create a bill/deposit.",
                                            MessageIcon::Exclamation};
inline constexpr Message kInvalidAmount{"Enter a valid amount (numbers, commas, periods and no other symbols).",
                                        MessageIcon::Exclamation};
inline constexpr Message kInvalidOpeningBalance{
    "Enter a valid opening balance (numbers, commas, periods and no other symbols).", MessageIcon::Exclamation};
inline constexpr Message kInvalidBudgetAmount{
    "Enter a valid budget amount (numbers, commas, periods and no other symbols).", MessageIcon::Exclamation};
inline constexpr Message kInvalidOpeningCashAmount{
    "Enter a valid opening cash amount (numbers, commas, periods and no other symbols).", MessageIcon::Exclamation};
inline constexpr Message kInvalidCurrentBalance{
    "Enter a valid current balance (numbers, commas, periods and no other symbols).", MessageIcon::Exclamation};
inline constexpr Message kInvalidAmountLeft{
    "Enter a valid amount left (numbers, commas, periods and no other symbols).", MessageIcon::Exclamation};
inline constexpr Message kInvalidCreditLimit{
    "Enter a valid credit limit (numbers, commas, periods and no other symbols).", MessageIcon::Exclamation};
inline constexpr Message kEnterAccountName{"Enter a name for the account.", MessageIcon::Exclamation};
inline constexpr Message kAccountNameUsed{"Account name already used, enter another one.", MessageIcon::Exclamation};
inline constexpr Message kEnterNewCategoryName{"Enter a name for the new category.", MessageIcon::Exclamation};
inline constexpr Message kEnterCategoryName{"Enter a name for the category.", MessageIcon::Exclamation};
inline constexpr Message kCategoryNameUsed{"Category name already used, enter another one.", MessageIcon::Exclamation};
inline constexpr Message kPasswordIncorrect{"Password is incorrect.", MessageIcon::Exclamation};
inline constexpr Message kPasswordsDoNotMatch{"Passwords do not match.", MessageIcon::Exclamation};
inline constexpr Message kSelectCategory{"Select at least one category.", MessageIcon::Exclamation};
inline constexpr Message kEnterImportFile{"Enter the file you want to import.", MessageIcon::Exclamation};
inline constexpr Message kEnterLocation{"Enter a location.", MessageIcon::Exclamation};
inline constexpr Message kEnterTextToFind{"Enter the text to find.", MessageIcon::Exclamation};
inline constexpr Message kFileOpenInAnotherWindow{"This file is open in another Pennywhist window.",
                                                  MessageIcon::Exclamation};
inline constexpr Message kDoneSearching{"Done searching through transactions.", MessageIcon::Exclamation};

// Notices.
inline constexpr Message kPasswordCleared{"Password cleared.", MessageIcon::Information};
inline constexpr Message kEnterPasswordToEncrypt{"Enter a password to encrypt the file.", MessageIcon::Exclamation};
inline constexpr Message kEncryptionUnavailable{"The file cannot be encrypted on this computer.", MessageIcon::Stop};
inline constexpr Message kBackupSuccessful{"Backup successful.", MessageIcon::Information};
inline constexpr Message kRestoreSuccessful{"Restore successful.", MessageIcon::Information};
inline constexpr Message kInvalidCopiesToKeep{"Enter a number of copies from 1 to 999.", MessageIcon::Exclamation};

// Questions.
inline constexpr Message kSwitchToNewAccount{"Switch to this account now?", MessageIcon::Question, true};
inline constexpr Message kSetUpAnotherAccount{"Do you want to setup another account?", MessageIcon::Question, true};
inline constexpr Message kDeleteTransactionQuestion{"Are you sure you want to delete the selected transaction?",
                                                    MessageIcon::Exclamation, true};
inline constexpr Message kDeleteAccountQuestion{
    "Are you sure you want to delete the selected account?\n\n"
    "All transactions and bills/deposits in the account will be deleted...",
    MessageIcon::Exclamation, true};
inline constexpr Message kDeleteCategoryQuestion{"Are you sure you want to delete the selected category?",
                                                 MessageIcon::Exclamation, true};
inline constexpr Message kDeleteBillDepositQuestion{"Are you sure you want to delete the selected bill/deposit?",
                                                    MessageIcon::Exclamation, true};
inline constexpr Message kChangeReconciledQuestion{"This transaction has been reconciled. Change it anyway?",
                                                 MessageIcon::Exclamation, true};
inline constexpr Message kImportDoneQuestion{
    "Done importing account...\n\nDo you want to switch to this account and set its details?", MessageIcon::Question, true};
inline constexpr Message kRestoreWarning{
    "WARNING:  This will replace the current data with the backup file's data.\n\nAre you sure?",
    MessageIcon::Exclamation, true};
inline constexpr Message kCloseAnywayQuestion{"Close anyway? Changes since the last save will be lost.",
                                              MessageIcon::Exclamation, true};
inline constexpr Message kChangedOutsideQuestion{
    "The file was changed outside Pennywhist since you opened it. Save over it?", MessageIcon::Exclamation, true};

// Bank statements.
inline constexpr Message kNoStatementTransactions{"This file holds no transactions that Pennywhist can read.",
                                                  MessageIcon::Exclamation};
inline constexpr Message kNoStatementLinesTicked{"No lines are ticked for import.", MessageIcon::Exclamation};
inline constexpr Message kEnterProfileName{"Enter a name for the profile.", MessageIcon::Exclamation};
inline constexpr Message kExtensionUnreadable{
    "The imported-statement marks of this file could not be read. They will be left out when the file is saved.",
    MessageIcon::Exclamation};
