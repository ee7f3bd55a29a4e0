#!/bin/bash
# Every text a control shows goes through tr(): a literal handed straight
# to a label, button, title, tool tip, menu entry, form row, accessible
# name, or a notice or failure told the user fails, unless it is
# listed below with the reason it stays as written. So does a literal in
# the prompt or title of a question or notice (a Message), and one a
# command-line tool prints.
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

# file<TAB>literal: a failure's detail that names a stored table.
refused_allowed=$(printf '%s\n' \
  $'records/SignatoryPasswords.cpp\tAgents')

calls='(setText|setWindowTitle|setToolTip|setPlaceholderText|setStatusTip|setTitle|addAction|addMenu|addTab|showMessage|addRow|setAccessibleName|setAccessibleDescription|setWhatsThis|notice|failed)'
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

# The braces of each Message made with its buttons, and every literal with
# a letter (beyond escapes and place markers) inside them.
while IFS= read -r hit; do
    echo "not through tr(): $hit"
    fail=1
done < <(find "$src" \( -name '*.cpp' -o -name '*.h' \) -exec perl -0777 -ne '
    my $file = $ARGV;
    $file =~ s|^\Q'"$src"'\E/||;
    while (/Message::Buttons::/g) {
        my ($at, $depth, $i) = (pos, 0, pos() - 19);
        for (; $i >= 0; --$i) {
            my $c = substr($_, $i, 1);
            if ($c =~ /[)}\]]/) { ++$depth } elsif ($c =~ /[({\[]/) { last if $depth == 0; --$depth }
        }
        next if $i < 0 || substr($_, $i, 1) ne "{";
        my $span = substr($_, $i, $at - $i);
        while ($span =~ /\bQString(?:Literal)?\(((?:\s*"(?:[^"\\]|\\.)*")+)\s*\)/g) {
            my ($literal, $from) = ($1, $-[0]);
            (my $text = $literal) =~ s/\\.|%\d//g;
            next unless $text =~ /[A-Za-z]/;
            my $line = 1 + (substr($_, 0, $i + $from) =~ tr/\n//);
            print "$file:$line: $literal\n";
        }
    }' {} +)

# A command-line tool prints through tr() too: its usage, what it did and
# why it refused.
cli=$(find "$src" -name '*_main.cpp' -o -path "$src/admin/*.cpp" -o -path "$src/web/*.cpp" \
      -o -name 'DataCommand.cpp' -o -name 'OutsideVerify.cpp')
while IFS= read -r hit; do
    text=$(sed -E 's/.*printf\((std(err|out), *)?"(([^"\\]|\\.)*)".*/\3/; s/.*(refused|doneWith|fail)\((QStringLiteral|QString)\("(([^"\\]|\\.)*)".*/\3/' <<<"$hit" \
           | sed -E 's/\\.|%[-0-9.]*(z|l|ll)?[sdufc]|arc8130-[a-z]+//g')
    [[ $text =~ [A-Za-z] ]] || continue
    echo "not through tr(): ${hit#"$src"/}"
    fail=1
done < <(grep -nE 'printf\((std(err|out), *)?"|(refused|doneWith|fail)\((QStringLiteral|QString)\("' $cli /dev/null)

# A refusal or failure reaches the user too: the message of a SigningError
# or of a check's finding, what openSslFailure, refused, unsupported, fault
# and notKept are handed, and the detail of a DbStatus failure. The first line of each call is
# read; the developers' demo maker is not shipped and stays as written.
refusals='\{(SigningFault|K|Finding::Kind)::[A-Za-z]+, *|\b(openSslFailure|refused|unsupported|fault|notKept)\(([A-Za-z_:]+, *)?|DbStatus::failure\(DbCondition::[A-Za-z]+, *'
while IFS= read -r hit; do
    file=${hit%%:*}
    file=${file#"$src"/}
    text=$(sed -E 's/.*(QStringLiteral|QString)\("//; s/"$//' <<<"$hit" | sed -E 's/\\.|%[0-9]+//g')
    [[ $text =~ [A-Za-z] ]] || continue
    grep -qxF "$file"$'\t'"$text" <<<"$refused_allowed" && continue
    echo "not through tr(): ${hit#"$src"/}"
    fail=1
done < <(grep -rnoE "($refusals)(QStringLiteral|QString)\(\"([^\"\\\\]|\\\\.)*\"" "$src" \
           --include='*.cpp' --include='*.h' --exclude-dir=demo)

# Not a tr() of a file's own: the unity build joins files, and two such
# helpers clash. A struct with Q_DECLARE_TR_FUNCTIONS names its context.
while IFS= read -r hit; do
    echo "a tr() of its own, not a struct's: ${hit#"$src"/}"
    fail=1
done < <(grep -rnE '^\s*(static |inline )?QString tr\(' "$src" --include='*.cpp' --include='*.h')
exit $fail
