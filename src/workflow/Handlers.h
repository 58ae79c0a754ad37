#pragma once
// The workflow's handlers, each bound to one event of MainWindow. They take no arguments,
// give no result and keep nothing between events but NameList.

// Text of 编辑框2 changed: rebuilds NameList; enables 按钮3 when the lines match the old names.
void onNamesTextChanged();

// 按钮1 "选择文件夹": picks a folder and lists its sub-folders in 列表框1.
void onChooseFolderClicked();

// 按钮2 "生成新名字": writes one new name per listed sub-folder into 编辑框2, then reports
// equal new names.
void onGenerateNamesClicked();

// 按钮3 "开始改名": reports empty new names, or renames every listed sub-folder.
void onStartRenameClicked();

// Run by onStartRenameClicked first: one message per empty new name, each disabling 按钮3.
void checkEmptyNames();
