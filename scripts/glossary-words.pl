#!/usr/bin/perl
# The Japanese words of the identifiers, counted as docs/glossary.md counts them: every
# identifier of the C++ sources outside comments and string literals, split at "_" and where the
# script changes (kanji, hiragana, katakana, Latin letters, digits); a word is a piece with a
# Japanese character in it.
#
#   scripts/glossary-words.pl                      the words, most used first: "uses<TAB>word"
#   scripts/glossary-words.pl --missing N          the words among the N most used that the
#                                                  glossary's tables do not list; exit 1 if any
#   scripts/glossary-words.pl --share N            the share of all uses the N most used cover
# Options: --root DIR (the checkout, default: this script's parent folder), --glossary FILE.
use strict;
use warnings;
use utf8;
use open qw(:std :encoding(UTF-8));
use File::Basename qw(dirname);
use File::Find qw(find);
use Getopt::Long qw(GetOptions);

my $root = dirname(dirname(__FILE__));
my ($missing, $share, $glossary);
GetOptions('root=s' => \$root, 'missing=i' => \$missing, 'share=i' => \$share,
           'glossary=s' => \$glossary) or die "usage: $0 [--missing N | --share N]\n";
$glossary //= "$root/docs/glossary.md";

sub script_of {
    my ($c) = @_;
    return 'hiragana' if $c =~ /\p{Hiragana}/;
    return 'katakana' if $c =~ /[\p{Katakana}ー]/;
    return 'kanji' if $c =~ /[\p{Han}々]/;
    return 'digit' if $c =~ /\d/;
    return 'latin';
}

sub japanese { return $_[0] =~ /[\p{Hiragana}\p{Katakana}\p{Han}々]/; }

# The source without its comments and string and character literals.
sub code_only {
    my ($s) = @_;
    $s =~ s{
        //[^\n]*
      | /\*.*?\*/
      | R"([^(\s]*)\(.*?\)\1"
      | "(?:[^"\\\n]|\\.)*"
      | (?<![\w])(?:u8|u|U|L)?'(?:[^'\\\n]|\\.)*'
    }{ }gsx;
    return $s;
}

my %uses;
my @files;
find(sub { push @files, $File::Find::name if /\.(?:cpp|h)\z/ && -f },
     grep { -d } map { "$root/$_" } qw(src usi kifu));
for my $file (sort @files) {
    open my $in, '<', $file or die "$file: $!\n";
    local $/;
    my $code = code_only(<$in>);
    close $in;
    for my $identifier ($code =~ /(\w+)/g) {
        next unless japanese($identifier);
        for my $part (split /_/, $identifier) {
            next if $part eq '';
            my @words;
            my $last = '';
            for my $c (split //, $part) {
                my $kind = script_of($c);
                $kind = 'katakana' if $c eq 'ー' && $last eq 'katakana';
                if ($kind ne $last) { push @words, $c; }
                else { $words[-1] .= $c; }
                $last = $kind;
            }
            $uses{$_}++ for grep { japanese($_) } @words;
        }
    }
}

my @ranked = sort { $uses{$b} <=> $uses{$a} || $a cmp $b } keys %uses;

if (defined $share) {
    my ($all, $top) = (0, 0);
    $all += $_ for values %uses;
    $top += $uses{$_} for @ranked[0 .. ($share < @ranked ? $share : @ranked) - 1];
    printf "%d words, %d uses; the %d most used cover %.1f %%\n", scalar @ranked, $all, $share,
        100 * $top / $all;
} elsif (defined $missing) {
    open my $g, '<', $glossary or die "$glossary: $!\n";
    my %listed;
    while (<$g>) { $listed{$1} = 1 if /^\|\s*([^|\s]+)\s*\|/; }
    close $g;
    my $n = $missing < @ranked ? $missing : @ranked;
    my @absent = grep { !$listed{$_} } @ranked[0 .. $n - 1];
    print "$uses{$_}\t$_\n" for @absent;
    exit(@absent ? 1 : 0);
} else {
    print "$uses{$_}\t$_\n" for @ranked;
}
