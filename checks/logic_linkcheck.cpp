// Linked with every object of vimsta_logic and Qt Core alone: a call from the logic into the
// windows or Qt's GUI modules leaves an undefined symbol, and the build fails.
int main()
{
    return 0;
}
