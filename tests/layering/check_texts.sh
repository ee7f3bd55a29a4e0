#!/bin/bash
# Every text a control shows goes through tr(): a literal handed straight
# to a label, button, title, tool tip or menu entry fails, unless it is
# listed below with the reason it stays as written.
set -u
src=$1

# file<TAB>literal: the form's own words, stored values, examples of input.
allowed=$(printf '%s\n' \
  $'app/CertificateScreen.cpp\tFAA/United States' \
  $'app/CertificateScreen.cpp\tName' \
  $'app/CertificateScreen.cpp\tAuthorization No.' \
  $'app/CertificateScreen.cpp\tCertificate No.' \
  $'app/CertificateScreen.cpp\tDate' \
  $'reference/DefaultsPanel.cpp\tFAA/United States' \
  $'printing/PagesPdf.cpp\tAUTHORIZED RELEASE CERTIFICATE' \
  $'app/SetupPanel.cpp\tpostgresql://user@host:5432/database' \
  $'app/SetupPanel.cpp\tpostgresql://user@standby:5432/database' \
  $'app/TimeStampBox.cpp\thttp://timestamp.example/tsa')

calls='(setText|setWindowTitle|setToolTip|setPlaceholderText|setStatusTip|setTitle|addAction|addMenu|addTab|showMessage)'
widgets='new (QLabel|QPushButton|QCheckBox|QRadioButton|QGroupBox|QAction)'
fail=0
while IFS= read -r hit; do
    file=${hit%%:*}
    file=${file#"$src"/}
    text=$(sed -E 's/.*(QStringLiteral|QString)\("([^"]*)".*/\2/' <<<"$hit")
    [[ $text =~ [A-Za-z] ]] || continue
    grep -qxF "$file"$'\t'"$text" <<<"$allowed" && continue
    echo "not through tr(): ${hit#"$src"/}"
    fail=1
done < <(grep -rnE "($calls|$widgets)\((QStringLiteral|QString)\(\"" "$src" --include='*.cpp' --include='*.h')
exit $fail
